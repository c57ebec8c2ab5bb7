// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/control.h"
#include "platform/ui/text_style.h"

namespace platform {

// A captioned frame; the radio buttons inside one group box exclude each other.
class GroupBox : public Control {
  public:
    GroupBox(Window& owner, std::string name, Rect box, const std::string& caption,
             const TextStyle& style);

    void setCaption(const std::string& caption);
    int textWidth() const override;
};

} // namespace platform
