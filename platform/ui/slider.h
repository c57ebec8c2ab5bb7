// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/control.h"

#include <functional>

class QSlider;

namespace platform {

class Slider : public Control {
  public:
    Slider(Window& owner, std::string name, Rect box, int minimum, int maximum, int lineStep,
           int pageStep, int value);

    int Value() const;
    // A change runs ValueChanged inside this call, also when made from ValueChanged itself.
    void setValue(int value);

    std::function<void()> ValueChanged;

  private:
    QSlider* slider_;
};

} // namespace platform
