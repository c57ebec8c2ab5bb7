// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime.h"

namespace platform {

bool menuKeyIsCommand()
{
    return false;
}

} // namespace platform
