// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hold/desktop.h"
#include "platform/hold/desktop_plain.h"

namespace platform {

std::unique_ptr<Desktop> makeDesktop()
{
    return std::make_unique<DesktopPlain>();
}

} // namespace platform
