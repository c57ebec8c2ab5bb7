// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/rectangle.h"

#include "platform/ui/window.h"

#include <QFrame>

namespace platform {
namespace {

QWidget* makeBox(QWidget* parent, Color fill, Color border, int borderWidth)
{
    auto* box = new QFrame(parent);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(borderWidth);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, QColor(fill.red, fill.green, fill.blue));
    palette.setColor(QPalette::WindowText, QColor(border.red, border.green, border.blue));
    box->setPalette(palette);
    return box;
}

} // namespace

Rectangle::Rectangle(Window& owner, std::string name, Rect box, Color fill, Color border,
                     int borderWidth, Control* parent)
    : Control(owner, std::move(name), box,
              makeBox(parent ? parent->widget() : owner.surface(), fill, border, borderWidth))
{
}

} // namespace platform
