// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/push_button.h"

#include "platform/ui/window.h"

#include <QPushButton>

namespace platform {

PushButton::PushButton(Window& owner, std::string name, Rect box, const std::string& caption,
                       const TextStyle& style, bool isDefault)
    : Control(owner, std::move(name), box,
              new QPushButton(QString::fromStdString(caption), owner.surface())),
      button_(static_cast<QPushButton*>(widget()))
{
    style.applyTo(button_);
    QObject::connect(button_, &QPushButton::clicked, [this] { Push(); });
    if (isDefault) {
        button_->setDefault(true);
        owner.setDefaultButton(this);
    }
}

void PushButton::Push()
{
    if (Action)
        Action();
}

} // namespace platform
