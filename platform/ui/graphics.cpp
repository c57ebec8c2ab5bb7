// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/graphics.h"

#include "platform/ui/draw_op.h"
#include "platform/ui/picture.h"

namespace platform {
namespace {

QPolygon toPolygon(const std::vector<int>& points)
{
    QPolygon polygon;
    for (std::size_t i = 1; i + 1 < points.size(); i += 2)
        polygon << QPoint(points[i], points[i + 1]);
    return polygon;
}

DrawOp op(DrawOp::Kind kind, QRect box = {})
{
    DrawOp made;
    made.kind = kind;
    made.box = box;
    return made;
}

} // namespace

Graphics::Graphics(Sink& sink, std::function<void(const DrawOp&)> drawn)
    : sink_(sink), drawn_(std::move(drawn))
{
}

void Graphics::record(DrawOp drawn)
{
    drawn.color = QColor(foreColor_.red, foreColor_.green, foreColor_.blue);
    drawn.penWidth = penWidth_;
    drawn.penHeight = penHeight_;
    // The older renderer keeps the pen inside the shape's outline.
    drawn.penInside = useOldRenderer_;
    sink_.push_back(std::move(drawn));
    if (drawn_)
        drawn_(sink_.back());
}

void Graphics::FillRect(int left, int top, int width, int height)
{
    record(op(DrawOp::FillRect, QRect(left, top, width, height)));
}

void Graphics::DrawRect(int left, int top, int width, int height)
{
    record(op(DrawOp::FrameRect, QRect(left, top, width, height)));
}

void Graphics::FillOval(int left, int top, int width, int height)
{
    record(op(DrawOp::FillOval, QRect(left, top, width, height)));
}

void Graphics::DrawOval(int left, int top, int width, int height)
{
    record(op(DrawOp::FrameOval, QRect(left, top, width, height)));
}

void Graphics::FillPolygon(const std::vector<int>& points)
{
    DrawOp polygon = op(DrawOp::FillPolygon);
    polygon.points = toPolygon(points);
    record(std::move(polygon));
}

void Graphics::DrawPolygon(const std::vector<int>& points)
{
    DrawOp polygon = op(DrawOp::FramePolygon);
    polygon.points = toPolygon(points);
    record(std::move(polygon));
}

void Graphics::DrawPicture(const Picture* picture, int left, int top)
{
    if (!picture)
        return;
    DrawOp image = op(DrawOp::Image, QRect(left, top, 0, 0));
    image.image = picture->image();
    record(std::move(image));
}

void Graphics::DrawString(const std::string& text, int x, int y, int wrapWidth)
{
    DrawOp line = op(DrawOp::Text, QRect(x, y, 0, 0));
    line.text = QString::fromStdString(text);
    line.wrapWidth = wrapWidth;
    record(std::move(line));
}

} // namespace platform
