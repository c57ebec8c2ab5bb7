// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawing/shape_box.h"

// Where the next shape goes: a random box of a quarter to four fifths of the canvas each way,
// anywhere on it or in its middle as the parent chose.
class Placement {
  public:
    // Square shapes take the box's height for their width.
    ShapeBox place(std::int32_t canvasWidth, std::int32_t canvasHeight, bool square) const;
};
