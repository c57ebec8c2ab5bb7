// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/display.h"

namespace platform {

bool displayAvailable()
{
    return true;
}

void endCleanlyWhenDisplayLost() {}

void displayNoLongerWatched() {}

} // namespace platform
