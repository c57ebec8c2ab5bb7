// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Where a shape goes on the canvas, in canvas pixels.
struct ShapeBox {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};
