// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/random_draw.h"
#include "play/play_window.h"
#include "settings/module1.h"

void Window1::setPalette()
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

void Window1::chooseFillColor()
{
    for (;;) {
        const std::int32_t n =
            Module1::beginnersMode == "off" ? randomDraw(8, 1) : randomDraw(3, 1);
        const platform::Color candidates[] = {col_Black, col_Red,    col_White,  col_Green,
                                              col_Blue,  col_Yellow, col_Orange, col_Pink};
        const platform::Color candidate = candidates[n - 1];
        if (candidate != screenCol) {
            ranCol = candidate;
            return;
        }
    }
}

void Window1::get_Line_Col()
{
    lineCol = col_Black;
    std::int32_t n = Module1::beginnersMode == "on" ? randomDraw(3, 1) : 1;
    const platform::Color candidates[] = {col_Black, col_White, col_Red};
    while (candidates[n - 1] == screenCol || candidates[n - 1] == ranCol)
        n = randomDraw(3, 1);
    lineCol = candidates[n - 1];
}
