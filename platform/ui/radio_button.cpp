// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/radio_button.h"

#include "platform/ui/window.h"

#include <QRadioButton>
#include <QStyle>

namespace platform {

RadioButton::RadioButton(Window& owner, std::string name, Rect box, const std::string& caption,
                         const TextStyle& style, Control* group, bool value)
    : Control(owner, std::move(name), box,
              new QRadioButton(QString::fromStdString(caption),
                               group ? group->widget() : owner.surface())),
      button_(static_cast<QRadioButton*>(widget()))
{
    style.applyTo(button_);
    button_->setChecked(value);
    QObject::connect(button_, &QRadioButton::toggled, [this](bool on) {
        if (on && Action)
            Action();
    });
}

void RadioButton::setCaption(const std::string& caption)
{
    button_->setText(QString::fromStdString(caption));
}

int RadioButton::textWidth() const
{
    // The circle, the gap and the caption's ink; the focus frame may take the box's last pixels.
    const QStyle* style = button_->style();
    return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button_) +
           style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button_) +
           button_->fontMetrics().horizontalAdvance(button_->text());
}

bool RadioButton::Value() const
{
    return button_->isChecked();
}

void RadioButton::setValue(bool value)
{
    button_->setChecked(value);
}

} // namespace platform
