// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/control.h"
#include "platform/ui/text_style.h"

class QLabel;

namespace platform {

class StaticText : public Control {
  public:
    StaticText(Window& owner, std::string name, Rect box, const std::string& text,
               const TextStyle& style, Control* parent = nullptr);

    std::string Text() const;
    // Carriage returns break lines, as on the platform this toy comes from; an empty line
    // between two lines is a narrow gap, so spaced-out instructions fit their box.
    void setText(const std::string& text);
    Color TextColor() const { return color_; }
    void setTextColor(Color color);
    int textWidth() const override;

  protected:
    // A text longer than its box, as in some languages, is written a little smaller.
    void boundsChanged() override;

  private:
    void fitFont();

    QLabel* label_;
    int designSize_;
    std::string text_;
    Color color_;
};

} // namespace platform
