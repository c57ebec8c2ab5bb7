// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/ink.h"
#include "drawing/random_draw.h"
#include "platform/static_text.h"
#include "play/play_window.h"
#include "settings/module1.h"

void Window1::setBackColor()
{
    std::int32_t n = 0;
    if (Module1::backMode == "white")
        n = 5;
    else if (Module1::backMode == "changing" || Module1::backMode == "different")
        n = randomDraw(5, 1);
    if (Module1::playMode == "backgroundOnly") {
        n = randomDraw(12, 1);
        if (n == lastBackCase)
            n = randomDraw(12, 1);
    }
    if (Module1::beginnersMode == "on" && Module1::backMode != "white")
        n = randomDraw(3, 5);
    lastBackCase = n;
    const platform::Color cases[] = {col_LYellow, col_LBlue, col_LPink,  col_LGreen,
                                     col_White,   col_Red,   col_Black,  col_Orange,
                                     col_Pink,    col_Blue,  col_Yellow, col_Green};
    if (n >= 1 && n <= 12) {
        BackColor(cases[n - 1]);
        screenCol = cases[n - 1];
        // The parent's help line stays readable on the darkest backgrounds too.
        StaticText1->setTextColor(readableInk(screenCol));
    }
}
