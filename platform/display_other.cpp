// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/display.h"
#include "platform/runtime.h"

namespace platform {

bool displayAvailable()
{
    return true;
}

bool browserAvailable()
{
    return true;
}

void endCleanlyWhenDisplayLost() {}

void displayNoLongerWatched() {}

} // namespace platform
