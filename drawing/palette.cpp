// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/palette.h"

#include "drawing/random_draw.h"
#include "settings/module1.h"

namespace {

constexpr std::int32_t kFills = 8;
constexpr std::int32_t kBeginnersColours = 3;
constexpr std::int32_t kLines = 3;

} // namespace

void Palette::setColours()
{
    col_Black = platform::RGB(0, 0, 0);
    col_Blue = platform::RGB(0, 0, 255);
    col_Green = platform::RGB(0, 197, 0);
    col_Orange = platform::RGB(255, 109, 0);
    col_Pink = platform::RGB(255, 0, 244);
    col_Red = platform::RGB(255, 0, 0);
    col_White = platform::RGB(255, 255, 255);
    col_Yellow = platform::RGB(255, 255, 0);
    col_LBlue = platform::RGB(221, 221, 255);
    col_LGreen = platform::RGB(199, 255, 199);
    col_LPink = platform::RGB(255, 209, 210);
    col_LYellow = platform::RGB(255, 255, 211);
}

platform::Color Palette::fillColor(platform::Color background) const
{
    // Beginners' three come first in the list, so one draw rule serves both.
    const platform::Color candidates[kFills] = {col_Black, col_Red,    col_White,  col_Green,
                                                col_Blue,  col_Yellow, col_Orange, col_Pink};
    for (;;) {
        const std::int32_t n = Module1::beginnersMode == Word::off
                                   ? randomDraw(kFills, 1)
                                   : randomDraw(kBeginnersColours, 1);
        if (candidates[n - 1] != background)
            return candidates[n - 1];
    }
}

platform::Color Palette::lineColor(platform::Color background, platform::Color fill) const
{
    const platform::Color candidates[kLines] = {col_Black, col_White, col_Red};
    std::int32_t n = Module1::beginnersMode == Word::on ? randomDraw(kLines, 1) : 1;
    while (candidates[n - 1] == background || candidates[n - 1] == fill)
        n = randomDraw(kLines, 1);
    return candidates[n - 1];
}

platform::Color Palette::backgroundColor(std::int32_t n) const
{
    const platform::Color cases[kBackgrounds] = {col_LYellow, col_LBlue, col_LPink,  col_LGreen,
                                                 col_White,   col_Red,   col_Black,  col_Orange,
                                                 col_Pink,    col_Blue,  col_Yellow, col_Green};
    return cases[n - 1];
}
