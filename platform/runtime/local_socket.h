// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace platform {

// Whether a server listens on this local socket: what a client's first step would find, without
// loading anything of the client's library. A relative path is taken in the user's runtime folder.
bool localSocketAnswers(const std::string& path);

} // namespace platform
