// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/placement.h"

#include "platform/runtime/random.h"
#include "settings/module1.h"

namespace {

// A box spans at least a quarter of the canvas, and up to 55 % more.
constexpr double kSpanShare = 0.55;
constexpr double kLeastShare = 0.25;

} // namespace

ShapeBox Placement::place(std::int32_t W, std::int32_t H, bool square) const
{
    const bool centered = Module1::appearMode == Word::centered;
    ShapeBox box;
    box.width = static_cast<std::int32_t>(platform::Rnd() * W * kSpanShare + W * kLeastShare);
    box.height = static_cast<std::int32_t>(platform::Rnd() * H * kSpanShare + H * kLeastShare);
    // Drawn even when centred, so the chances that follow stay in step.
    box.x = static_cast<std::int32_t>(platform::Rnd() * (W - box.width));
    box.y = static_cast<std::int32_t>(platform::Rnd() * (H - box.height));
    if (centered) {
        box.x = static_cast<std::int32_t>(W / 2.0 - box.width / 2.0);
        box.y = static_cast<std::int32_t>(H / 2.0 - box.height / 2.0);
    }
    if (square) {
        box.width = box.height;
        if (centered)
            box.x = static_cast<std::int32_t>(W / 2.0 - box.width / 2.0);
        // On a portrait canvas a square may still run off the left; never off the right.
        if (box.x + box.width >= W)
            box.x = W - box.width;
    }
    return box;
}
