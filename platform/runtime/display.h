// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// Whether windows can be shown at all; if not, says on stderr why. Per system.
bool displayAvailable();

// From here on, a display that goes away ends the toy at once: one line on stderr and status 1,
// before anything is torn down under the sound thread. Qt's own answer is to call exit() from
// inside its event reader, which runs every destructor while sound still plays.
void endCleanlyWhenDisplayLost();
// The event loop has ended as it should; exit() is no longer a lost display.
void displayNoLongerWatched();

} // namespace platform
