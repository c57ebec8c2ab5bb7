// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/awake_keeper.h"

namespace platform {

void holdScreenSaverOff() {}

} // namespace platform
