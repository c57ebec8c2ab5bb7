// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/control.h"
#include "platform/ui/text_style.h"

#include <functional>

class QRadioButton;

namespace platform {

class RadioButton : public Control {
  public:
    // The box is in the parent group's coordinates; the initial value runs no handler.
    RadioButton(Window& owner, std::string name, Rect box, const std::string& caption,
                const TextStyle& style, Control* group, bool value);

    bool Value() const;
    // Selecting runs Action once, and only when the selection changes.
    void setValue(bool value);
    void setCaption(const std::string& caption);
    int textWidth() const override;

    std::function<void()> Action;

  private:
    QRadioButton* button_;
};

} // namespace platform
