#include "compose/composer.h"

namespace compose {

namespace {

QString escaped(QString text, QChar special, QLatin1StringView entity)
{
    return text.replace(special, entity);
}

QString attributeValue(const QString& text)
{
    return escaped(text, u'"', QLatin1StringView("&quot;"));
}

QString metaElement(QLatin1StringView name, const QString& content)
{
    return QLatin1StringView("<meta name=\"") + name + QLatin1StringView("\" content=\"") + attributeValue(content) +
           QLatin1StringView("\">");
}

QString titleElement(const QString& title)
{
    return QLatin1StringView("<TITLE>") + escaped(title, u'<', QLatin1StringView("&lt;")) +
           QLatin1StringView("</TITLE>");
}

} // namespace

std::optional<Field> firstEmptyField(const QString& title, const QString& description, const QString& keywords)
{
    if (title.isEmpty())
        return Field::Title;
    if (description.isEmpty())
        return Field::Description;
    if (keywords.isEmpty())
        return Field::Keywords;
    return std::nullopt;
}

QString metaTags(const QString& title, const QString& description, const QString& keywords)
{
    return titleElement(title) + metaElement(QLatin1StringView("description"), description) +
           metaElement(QLatin1StringView("keywords"), keywords);
}

} // namespace compose
