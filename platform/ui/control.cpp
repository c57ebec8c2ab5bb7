// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/control.h"

#include <QWidget>

namespace platform {

Control::Control(Window& owner, std::string name, Rect box, QWidget* widget)
    : owner_(owner), name_(std::move(name)), designBox_(box), widget_(widget)
{
    if (widget_)
        widget_->setObjectName(QString::fromStdString(name_));
    setBounds(box);
}

Control::~Control()
{
    delete widget_.data();
}

QWidget* Control::widget() const
{
    return widget_.data();
}

bool Control::Enabled() const
{
    return !widget_ || widget_->isEnabled();
}

void Control::setEnabled(bool enabled)
{
    if (widget_)
        widget_->setEnabled(enabled);
}

bool Control::Visible() const
{
    return widget_ && !widget_->isHidden();
}

void Control::setVisible(bool visible)
{
    if (widget_)
        widget_->setVisible(visible);
}

void Control::setBounds(Rect box)
{
    box_ = box;
    if (widget_) {
        widget_->setGeometry(box.left, box.top, box.width, box.height);
        if (QWidget* parent = widget_->parentWidget()) {
            rightMargin_ = parent->width() - (box.left + box.width);
            bottomMargin_ = parent->height() - (box.top + box.height);
        }
    }
    boundsChanged();
}

void Control::widen(double scale)
{
    setBounds({int(designBox_.left * scale + 0.5), box_.top, int(designBox_.width * scale + 0.5),
               box_.height});
}

void Control::setAnchors(unsigned anchors)
{
    anchors_ = anchors;
}

void Control::Refresh()
{
    if (widget_)
        widget_->update();
}

void Control::runOpen()
{
    if (Open)
        Open();
}

void Control::parentResized(int width, int height)
{
    if (!widget_)
        return;
    Rect box = box_;
    if (anchors_ & AnchorRight) {
        if (anchors_ & AnchorLeft)
            box.width = width - rightMargin_ - box.left;
        else
            box.left = width - rightMargin_ - box.width;
    }
    if (anchors_ & AnchorBottom) {
        if (anchors_ & AnchorTop)
            box.height = height - bottomMargin_ - box.top;
        else
            box.top = height - bottomMargin_ - box.height;
    }
    box_ = box;
    widget_->setGeometry(box.left, box.top, box.width, box.height);
}

} // namespace platform
