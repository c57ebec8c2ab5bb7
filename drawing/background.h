// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Which of the twelve backgrounds comes next, by the parent's background and play modes.
class Background {
  public:
    // A case from 1 to 12 (the palette's backgrounds), or 0 to keep the background as it is.
    std::int32_t chooseCase(std::int32_t lastCase) const;
};
