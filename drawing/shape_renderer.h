// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawing/shape_box.h"
#include "platform/ui/color.h"

#include <cstdint>
#include <vector>

namespace platform {
class Graphics;
}

// Draws one shape in its box: filled, then outlined over the fill's edge.
class ShapeRenderer {
  public:
    enum class Shape { Box, Ellipse, Triangle, Rhombus };

    void draw(platform::Graphics& g, Shape shape, const ShapeBox& box, platform::Color fill,
              platform::Color line) const;

  private:
    // The corners of a triangle or rhombus, as the graphics take them: element 0 unused, then
    // x, y pairs.
    static std::vector<std::int32_t> corners(Shape shape, const ShapeBox& box);
    // The shape filled with the fore colour, or outlined with it and the pen.
    static void trace(platform::Graphics& g, Shape shape, const ShapeBox& box,
                      const std::vector<std::int32_t>& points, bool filled);
};
