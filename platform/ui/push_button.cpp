// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/push_button.h"

#include "platform/ui/window.h"

#include <QPushButton>

namespace platform {
namespace {

// Room either side of a button's caption, for its frame.
constexpr int kButtonPadding = 12;

} // namespace

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

void PushButton::setCaption(const std::string& caption)
{
    button_->setText(QString::fromStdString(caption));
}

int PushButton::textWidth() const
{
    return button_->fontMetrics().horizontalAdvance(button_->text()) + kButtonPadding;
}

void PushButton::Push()
{
    if (Action)
        Action();
}

} // namespace platform
