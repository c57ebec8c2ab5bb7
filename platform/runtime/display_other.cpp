// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime/display.h"
#include "platform/runtime/runtime.h"

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
