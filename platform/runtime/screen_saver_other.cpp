// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime/awake_keeper.h"

namespace platform {

void holdScreenSaverOff() {}

} // namespace platform
