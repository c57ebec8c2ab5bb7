// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/ink.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kReadable = 4.5;
// Light added on both sides of the ratio, so black is not infinitely far from dark grey.
constexpr double kFlare = 0.05;

// How bright a colour looks, from its sRGB channels (WCAG's relative luminance).
double luminance(platform::Color c)
{
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

} // namespace

double contrastRatio(platform::Color a, platform::Color b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + kFlare) / (std::min(la, lb) + kFlare);
}

platform::Color readableInk(platform::Color background)
{
    const platform::Color black{0, 0, 0};
    return contrastRatio(black, background) >= kReadable ? black : platform::Color{255, 255, 255};
}
