#include "platform/runtime.h"

namespace platform {

bool menuKeyIsCommand()
{
    return true;
}

} // namespace platform
