// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/canvas.h"

#include "platform/ui/canvas_widget.h"
#include "platform/ui/draw_op.h"
#include "platform/ui/graphics.h"
#include "platform/ui/picture.h"
#include "platform/ui/window.h"

#include <QPainter>

namespace platform {

Canvas::Canvas(Window& owner, std::string name, Rect box, Control* parent)
    : Control(owner, std::move(name), box,
              new CanvasWidget(parent ? parent->widget() : owner.surface())),
      view_(static_cast<CanvasWidget*>(widget())), ops_(std::make_unique<std::vector<DrawOp>>()),
      graphics_(std::make_unique<Graphics>(*ops_, [this](const DrawOp& op) { drawnOp(op); }))
{
    view_->setCanvas(this);
}

Canvas::~Canvas()
{
    // Its widget may already be gone with a parent control's.
    if (auto* view = static_cast<CanvasWidget*>(widget()))
        view->setCanvas(nullptr);
}

void Canvas::setBackdrop(const Picture* picture)
{
    backdrop_ = picture;
    view_->update();
}

void Canvas::Refresh(bool eraseBackground)
{
    if (!eraseBackground) {
        view_->update();
        return;
    }
    // Only the parts that held drawing need repainting.
    QRegion dirty;
    for (const DrawOp& op : *ops_)
        dirty += op.bounds();
    ops_->clear();
    repaint(dirty.isEmpty() ? view_->rect() : dirty.boundingRect());
}

void Canvas::Scroll(int dx, int dy)
{
    const QRect area = view_->rect();
    std::vector<DrawOp> kept;
    for (DrawOp& op : *ops_) {
        op.box.translate(dx, dy);
        op.points.translate(dx, dy);
        if (op.bounds().intersects(area))
            kept.push_back(std::move(op));
    }
    *ops_ = std::move(kept);
    repaint(view_->rect());
}

void Canvas::drawnOp(const DrawOp& op)
{
    repaint(op.bounds());
}

void Canvas::repaint(const QRect& area)
{
    // Behind a full-screen window nothing shows; the window repaints whole when uncovered.
    if (!owner().isCovered())
        view_->update(area);
}

void Canvas::paint(QPainter& painter) const
{
    if (backdrop_)
        painter.drawImage(QPoint(0, 0), backdrop_->image());
    paintOps(painter, *ops_);
    if (Paint) {
        std::vector<DrawOp> immediate;
        Graphics graphics(immediate);
        Paint(graphics);
        paintOps(painter, immediate);
    }
}

} // namespace platform
