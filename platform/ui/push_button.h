// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/control.h"
#include "platform/ui/text_style.h"

#include <functional>

class QPushButton;

namespace platform {

class PushButton : public Control {
  public:
    // The default button is pressed by the Return key too.
    PushButton(Window& owner, std::string name, Rect box, const std::string& caption,
               const TextStyle& style, bool isDefault = false);

    void Push();
    void setCaption(const std::string& caption);
    int textWidth() const override;

    std::function<void()> Action;

  private:
    QPushButton* button_;
};

} // namespace platform
