#pragma once

#include "DialogTemplate.h"

#include <cstddef>
#include <functional>

class QWidget;

// Hands the framework's accessible names (CAccessibleNames) to Qt's accessibility
// layer, which passes names, descriptions and labelled-by relations to the screen
// reader (AT-SPI on Linux).
class CQtAccessibility {
public:
    // widgetAt gives the widget of each control, by its place in the template.
    static void Expose(const DialogTemplate& tmpl, const std::function<QWidget*(std::size_t)>& widgetAt);
};
