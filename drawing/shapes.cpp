// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/random_draw.h"
#include "platform/canvas.h"
#include "platform/graphics.h"
#include "play/play_window.h"

#include <vector>

namespace {

constexpr int kPen = 10;

} // namespace

void Window1::draw_Square()
{
    draw_Shape(1, Shape::Box);
}

void Window1::draw_Rectangle()
{
    draw_Shape(0, Shape::Box);
}

void Window1::draw_Circle()
{
    draw_Shape(1, Shape::Ellipse);
}

void Window1::draw_Oval()
{
    draw_Shape(0, Shape::Ellipse);
}

void Window1::draw_Triangle()
{
    draw_Shape(1, Shape::Triangle);
}

void Window1::draw_Romb()
{
    draw_Shape(1, Shape::Rhombus);
}

void Window1::draw_Shape(std::int32_t squareBox, Shape shape)
{
    platform::Graphics& g = Canvas1->graphics();
    g.setUseOldRenderer(true);
    get_Pos_n_Col(squareBox);

    const std::int32_t x = x_start;
    const std::int32_t y = y_start;
    const std::int32_t w = x_width;
    const std::int32_t h = y_height;
    const auto middleX = static_cast<std::int32_t>(x + w / 2.0);
    const auto middleY = static_cast<std::int32_t>(y + h / 2.0);
    std::vector<std::int32_t> points; // element 0 unused, then x, y pairs
    if (shape == Shape::Triangle)
        points = {0, x, y + h, middleX, y, x + w, y + h};
    else if (shape == Shape::Rhombus)
        points = {0, x, middleY, middleX, y, x + w, middleY, middleX, y + h};

    Canvas1->Refresh(true);
    g.setForeColor(ranCol);
    switch (shape) {
    case Shape::Box:
        g.FillRect(x, y, w, h);
        break;
    case Shape::Ellipse:
        g.FillOval(x, y, w, h);
        break;
    default:
        g.FillPolygon(points);
    }
    g.setForeColor(lineCol);
    g.setPenHeight(kPen);
    g.setPenWidth(kPen);
    switch (shape) {
    case Shape::Box:
        g.DrawRect(x, y, w, h);
        break;
    case Shape::Ellipse:
        g.DrawOval(x, y, w, h);
        break;
    default:
        g.DrawPolygon(points);
    }
}

void Window1::draw_Random()
{
    switch (randomDraw(6, 1)) {
    case 1:
        draw_Circle();
        break;
    case 2:
        draw_Oval();
        break;
    case 3:
        draw_Square();
        break;
    case 4:
        draw_Rectangle();
        break;
    case 5:
        draw_Triangle();
        break;
    default:
        draw_Romb();
    }
}
