// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace platform {

// The framework's colour: 8 bits each of red, green and blue, compared exactly.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(Color a, Color b)
    {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
    friend bool operator!=(Color a, Color b) { return !(a == b); }
};

constexpr Color RGB(int red, int green, int blue)
{
    return Color{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                 static_cast<std::uint8_t>(blue)};
}

} // namespace platform
