// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/class2.h"
#include "platform/runtime/process_end.h"

int main(int argc, char* argv[])
{
    if (!Class2::canStart())
        return 1;
    Class2 app(argc, argv);
    platform::endProcess(app.run());
}
