// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/popup_menu.h"

#include "platform/ui/window.h"

#include <QComboBox>

namespace platform {

PopupMenu::PopupMenu(Window& owner, std::string name, Rect box, const TextStyle& style)
    : Control(owner, std::move(name), box, new QComboBox(owner.surface())),
      box_(static_cast<QComboBox*>(widget()))
{
    style.applyTo(box_);
    QObject::connect(box_, qOverload<int>(&QComboBox::currentIndexChanged), [this](int) {
        if (!filling_ && Change)
            Change();
    });
}

void PopupMenu::AddRow(const std::string& text)
{
    filling_ = true;
    box_->addItem(QString::fromStdString(text));
    filling_ = false;
}

int PopupMenu::ListIndex() const
{
    return box_->currentIndex();
}

void PopupMenu::setListIndex(int index)
{
    box_->setCurrentIndex(index);
}

int PopupMenu::textWidth() const
{
    return box_->sizeHint().width();
}

} // namespace platform
