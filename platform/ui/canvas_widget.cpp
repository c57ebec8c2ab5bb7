// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/canvas_widget.h"

#include "platform/ui/canvas.h"

#include <QPainter>

namespace platform {

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent)
{
    // Clicks fall through to the window, which handles them for the whole surface.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void CanvasWidget::paintEvent(QPaintEvent*)
{
    if (!canvas_)
        return;
    QPainter painter(this);
    canvas_->paint(painter);
}

} // namespace platform
