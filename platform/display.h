#pragma once

namespace platform {

// Whether windows can be shown at all; if not, says on stderr what to set. Per system.
bool displayAvailable();

} // namespace platform
