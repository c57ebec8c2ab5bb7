// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/radio_button.h"

#include "platform/ui/window.h"

#include <QRadioButton>

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

bool RadioButton::Value() const
{
    return button_->isChecked();
}

void RadioButton::setValue(bool value)
{
    button_->setChecked(value);
}

} // namespace platform
