#pragma once

#include "forms/Form1/form1_design.h"
#include "forms/Form2/form2_design.h"
#include "forms/aboutmeta/aboutmeta_design.h"

#include <QRect>
#include <algorithm>
#include <array>

// Where the designs put things, in logical pixels, for the tests that click
// or measure them.
inline std::span<const design::ControlSpec> designRows(WindowId window)
{
    return std::array{Form1Design::controls(), Form2Design::controls(),
                      aboutmetaDesign::controls()}[std::size_t(window)];
}

// The window's client area on the screen.
inline QRect designedClientArea(WindowId window)
{
    const std::array specs{&Form1Design::window(), &Form2Design::window(), &aboutmetaDesign::window()};
    const design::WindowSpec& spec = *specs[std::size_t(window)];
    return QRect(design::px(spec.left), design::px(spec.top), design::px(spec.width), design::px(spec.height));
}

// The control's place in its window's client area, through its containers;
// an empty rectangle for a name the design does not make.
inline QRect designedRect(Control control)
{
    const auto rows = designRows(control.window);
    const auto row = std::ranges::find(rows, control, &design::ControlSpec::control);
    if (row == rows.end())
        return {};
    const QRect rect(design::px(row->left), design::px(row->top), design::px(row->width), design::px(row->height));
    return row->container.name == kWindowItself ? rect : rect.translated(designedRect(row->container).topLeft());
}
