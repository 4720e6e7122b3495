#pragma once

#include <QString>
#include <optional>

// Turns the three input fields into the head markup of a web page.
namespace compose {

enum class Field { Title, Description, Keywords };

// The first of the three fields, in that order, whose text is the empty
// string. Blanks are text: a field of blanks is not empty.
std::optional<Field> firstEmptyField(const QString& title, const QString& description, const QString& keywords);

// The block for the output box: the title element, then the description's
// and the keywords' meta elements, with nothing between them. A '<' in the
// title and a '"' in the two attribute values are written as entities so that
// no input can end an element or a value early; every other character is
// copied as typed.
QString metaTags(const QString& title, const QString& description, const QString& keywords);

} // namespace compose
