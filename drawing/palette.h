// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/color.h"

#include <cstdint>

// The play window's twelve colours, and the choice of a shape's colours among them so that a
// shape never vanishes into the background or into its own outline.
class Palette {
  public:
    static constexpr std::int32_t kBackgrounds = 12;

    // The colours start black, as the window's fields do, and take their values on opening.
    void setColours();

    // A fill unlike the background: one of eight colours, or for beginners black, red or white.
    platform::Color fillColor(platform::Color background) const;
    // An outline unlike the background and the fill: black, or for beginners black, white or red.
    platform::Color lineColor(platform::Color background, platform::Color fill) const;
    // The background of case n, 1 to 12.
    platform::Color backgroundColor(std::int32_t n) const;

    platform::Color col_Green{};
    platform::Color col_Red{};
    platform::Color col_Yellow{};
    platform::Color col_Blue{};
    platform::Color col_Pink{};
    platform::Color col_Orange{};
    platform::Color col_Black{};
    platform::Color col_White{};
    platform::Color col_LPink{};
    platform::Color col_LYellow{};
    platform::Color col_LBlue{};
    platform::Color col_LGreen{};
};
