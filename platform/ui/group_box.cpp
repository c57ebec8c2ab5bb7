// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/group_box.h"

#include "platform/ui/window.h"

#include <QGroupBox>

namespace platform {

GroupBox::GroupBox(Window& owner, std::string name, Rect box, const std::string& caption,
                   const TextStyle& style)
    : Control(owner, std::move(name), box,
              new QGroupBox(QString::fromStdString(caption), owner.surface()))
{
    style.applyTo(widget());
    // Beneath the controls that lie in its frame without being its own.
    widget()->lower();
}

} // namespace platform
