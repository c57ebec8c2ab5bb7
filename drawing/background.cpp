// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/background.h"

#include "drawing/palette.h"
#include "drawing/random_draw.h"
#include "settings/module1.h"

namespace {

constexpr std::int32_t kWhite = 5;
// The four light backgrounds, then white.
constexpr std::int32_t kGentleCases = 5;
constexpr std::int32_t kAllCases = Palette::kBackgrounds;
// Beginners see only white, red and black: cases 5 to 7.
constexpr std::int32_t kBeginnersCases = 3;
constexpr std::int32_t kFirstBeginnersCase = 5;

} // namespace

std::int32_t Background::chooseCase(std::int32_t lastCase) const
{
    std::int32_t n = 0;
    if (Module1::backMode == Word::white)
        n = kWhite;
    else if (Module1::backMode == Word::changing || Module1::backMode == Word::different)
        n = randomDraw(kGentleCases, 1);
    if (Module1::playMode == Word::backgroundOnly) {
        n = randomDraw(kAllCases, 1);
        // One more draw when it repeats, kept even if it repeats again.
        if (n == lastCase)
            n = randomDraw(kAllCases, 1);
    }
    if (Module1::beginnersMode == Word::on && Module1::backMode != Word::white)
        n = randomDraw(kBeginnersCases, kFirstBeginnersCase);
    return n;
}
