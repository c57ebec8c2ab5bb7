// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Which edges of its parent a control keeps its distance to when the parent resizes.
enum Anchor : unsigned {
    AnchorLeft = 1,
    AnchorTop = 2,
    AnchorRight = 4,
    AnchorBottom = 8,
    AnchorAll = 15,
};

} // namespace platform
