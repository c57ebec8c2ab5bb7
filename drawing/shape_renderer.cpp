// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/shape_renderer.h"

#include "platform/ui/graphics.h"

namespace {

// Thick enough to read as a crayon line from across the room, and to hide the fill's edge.
constexpr int kOutline = 10;

} // namespace

std::vector<std::int32_t> ShapeRenderer::corners(Shape shape, const ShapeBox& box)
{
    const std::int32_t x = box.x;
    const std::int32_t y = box.y;
    const std::int32_t w = box.width;
    const std::int32_t h = box.height;
    const auto middleX = static_cast<std::int32_t>(x + w / 2.0);
    const auto middleY = static_cast<std::int32_t>(y + h / 2.0);
    if (shape == Shape::Triangle)
        return {0, x, y + h, middleX, y, x + w, y + h};
    if (shape == Shape::Rhombus)
        return {0, x, middleY, middleX, y, x + w, middleY, middleX, y + h};
    return {};
}

void ShapeRenderer::draw(platform::Graphics& g, Shape shape, const ShapeBox& box,
                         platform::Color fill, platform::Color line) const
{
    const std::vector<std::int32_t> points = corners(shape, box);
    g.setForeColor(fill);
    trace(g, shape, box, points, true);
    g.setForeColor(line);
    g.setPenHeight(kOutline);
    g.setPenWidth(kOutline);
    trace(g, shape, box, points, false);
}

void ShapeRenderer::trace(platform::Graphics& g, Shape shape, const ShapeBox& box,
                          const std::vector<std::int32_t>& points, bool filled)
{
    switch (shape) {
    case Shape::Box:
        filled ? g.FillRect(box.x, box.y, box.width, box.height)
               : g.DrawRect(box.x, box.y, box.width, box.height);
        break;
    case Shape::Ellipse:
        filled ? g.FillOval(box.x, box.y, box.width, box.height)
               : g.DrawOval(box.x, box.y, box.width, box.height);
        break;
    default:
        filled ? g.FillPolygon(points) : g.DrawPolygon(points);
    }
}
