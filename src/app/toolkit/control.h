#pragma once

#include <QLatin1StringView>
#include <array>
#include <cstddef>
#include <string_view>

// The three windows of the program. At most one of each exists at a time.
enum class WindowId { Form1, Form2, aboutmeta };

// The window's design name, which its widget is known by.
constexpr std::string_view windowName(WindowId window)
{
    constexpr std::array names{std::string_view("Form1"), std::string_view("Form2"), std::string_view("aboutmeta")};
    return names[std::size_t(window)];
}

// The name given to the widget or object of that design name.
inline QLatin1StringView objectName(std::string_view name)
{
    return QLatin1StringView(name.data(), qsizetype(name.size()));
}

// "Form" stands for the window itself, and for its client area.
inline constexpr std::string_view kWindowItself = "Form";

// A control, menu item or dialog of a window, by its design name ("Text4",
// "mnuBuild", "CMDialog1").
struct Control {
    WindowId window;
    std::string_view name;

    QLatin1StringView objectName() const { return ::objectName(name); }
    friend constexpr bool operator==(const Control&, const Control&) = default;
};

// Declares a window's control under its design name, so that the identifier
// and the name the widget is given cannot differ. Each window declares its
// controls once, beside its design, and its design rows, its handlers and the
// dispatch table all use these: a misspelt name does not compile.
#define KESTRINE_CONTROL(window, control)                                                                              \
    inline constexpr Control control                                                                                   \
    {                                                                                                                  \
        WindowId::window, #control                                                                                     \
    }
