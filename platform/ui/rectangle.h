// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/color.h"
#include "platform/ui/control.h"

namespace platform {

// A filled box with a border; other controls may lie on it as its children.
class Rectangle : public Control {
  public:
    Rectangle(Window& owner, std::string name, Rect box, Color fill, Color border, int borderWidth,
              Control* parent = nullptr);
};

} // namespace platform
