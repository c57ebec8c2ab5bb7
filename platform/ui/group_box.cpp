// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/group_box.h"

#include "platform/ui/window.h"

#include <QGroupBox>
#include <algorithm>

namespace platform {
namespace {

// The frame's inset of its caption, on the left and on the right.
constexpr int kCaptionMargins = 16;

} // namespace

GroupBox::GroupBox(Window& owner, std::string name, Rect box, const std::string& caption,
                   const TextStyle& style)
    : Control(owner, std::move(name), box,
              new QGroupBox(QString::fromStdString(caption), owner.surface()))
{
    style.applyTo(widget());
    // Beneath the controls that lie in its frame without being its own.
    widget()->lower();
}

void GroupBox::setCaption(const std::string& caption)
{
    static_cast<QGroupBox*>(widget())->setTitle(QString::fromStdString(caption));
}

int GroupBox::textWidth() const
{
    const auto* group = static_cast<QGroupBox*>(widget());
    return std::max(Width(),
                    group->fontMetrics().horizontalAdvance(group->title()) + kCaptionMargins);
}

} // namespace platform
