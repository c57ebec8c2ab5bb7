// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime/process_end.h"

#include <cstdio>
#include <cstdlib>

// Present only in a build with the leak checker, which would otherwise run at exit.
extern "C" void __lsan_do_leak_check() __attribute__((weak));

namespace platform {

void endProcess(int status)
{
    std::fflush(nullptr);
    if (__lsan_do_leak_check)
        __lsan_do_leak_check();
    std::_Exit(status);
}

} // namespace platform
