// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace platform {

// Opens an address in the desktop's browser; without one, says so in a message over the window
// in front (and on stderr).
void ShowURL(const std::string& url);

} // namespace platform
