// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/control.h"
#include "platform/ui/text_style.h"

#include <functional>

class QCheckBox;
class QLabel;

namespace platform {

// A check box whose caption wraps within its box.
class CheckBox : public Control {
  public:
    CheckBox(Window& owner, std::string name, Rect box, const std::string& caption,
             const TextStyle& style, Control* group, bool value);

    bool Value() const;
    // A change runs Action, whether it came from code or from a click.
    void setValue(bool value);
    void setCaption(const std::string& caption);
    int textWidth() const override;

    std::function<void()> Action;

  private:
    QCheckBox* box_;
    QLabel* caption_;
};

} // namespace platform
