#include "platform/runtime.h"

namespace platform {

bool menuKeyIsCommand()
{
    return false;
}

} // namespace platform
