#include "platform/display.h"

namespace platform {

bool displayAvailable()
{
    return true;
}

} // namespace platform
