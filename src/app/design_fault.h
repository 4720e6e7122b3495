#pragma once

#include <initializer_list>
#include <string_view>

// A dispatch row or a handler that names a control its window's design does
// not make, or not of the kind it asks for, would leave a command doing
// nothing. The message is the parts joined. A debug build stops at the first
// such fault; a release build warns with "Design fault: ...", and the tests
// fail on that warning.
void reportDesignFault(std::initializer_list<std::string_view> message);
