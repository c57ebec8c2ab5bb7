// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// Ends the program once the toy has closed everything of its own, without the libraries'
// teardown: Qt's PulseAudio link aborts in it after it has reconnected to a restarted sound
// server, and nothing is left to save.
[[noreturn]] void endProcess(int status);

} // namespace platform
