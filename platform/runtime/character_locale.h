// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// Qt handles characters as UTF-8 and warns at every start where the locale says otherwise (a
// plain C or POSIX one, as minimal systems and services have). Before Qt starts, character
// handling is moved to a UTF-8 locale of the same name, or C.UTF-8; the rest of the locale, the
// language included, stays the user's.
void chooseUtf8Characters();

} // namespace platform
