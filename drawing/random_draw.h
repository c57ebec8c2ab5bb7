// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/runtime/random.h"

#include <cstdint>

// trunc(Rnd × a + b) in double precision, truncated toward zero: every random choice.
inline std::int32_t randomDraw(double a, double b)
{
    return static_cast<std::int32_t>(platform::Rnd() * a + b);
}
