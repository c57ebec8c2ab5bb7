// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/random_draw.h"
#include "platform/canvas.h"
#include "play/play_window.h"
#include "settings/module1.h"

namespace {

constexpr double kSpanShare = 0.55;
constexpr double kLeastShare = 0.25;

} // namespace

void Window1::get_Pos_n_Col(std::int32_t squareBox)
{
    const auto W = [this] { return Canvas1->Width(); };
    const auto H = [this] { return Canvas1->Height(); };
    const bool centered = Module1::appearMode == "centered";

    x_width = static_cast<std::int32_t>(platform::Rnd() * W() * kSpanShare + W() * kLeastShare);
    y_height = static_cast<std::int32_t>(platform::Rnd() * H() * kSpanShare + H() * kLeastShare);
    x_start = static_cast<std::int32_t>(platform::Rnd() * (W() - x_width));
    y_start = static_cast<std::int32_t>(platform::Rnd() * (H() - y_height));
    if (centered) {
        x_start = static_cast<std::int32_t>(W() / 2.0 - x_width / 2.0);
        y_start = static_cast<std::int32_t>(H() / 2.0 - y_height / 2.0);
    }
    if (squareBox == 1) {
        x_width = y_height;
        if (centered)
            x_start = static_cast<std::int32_t>(W() / 2.0 - x_width / 2.0);
        if (x_start + x_width >= W())
            x_start = W() - x_width;
    }
    chooseFillColor();
    get_Line_Col();
}
