// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/color.h"

#include <string>

class QWidget;

namespace platform {

// How a control writes its text. "System" is the desktop's own font; sizes are in pixels.
struct TextStyle {
    enum Align { Left, Center, Right };
    std::string font = "System";
    int size = 12;
    bool bold = false;
    Color color{};
    Align align = Left;

    void applyTo(QWidget* widget) const;
};

} // namespace platform
