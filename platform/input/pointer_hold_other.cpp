// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/pointer_hold.h"

#include <QWindow>

namespace platform {

bool holdPointer(QWindow* window)
{
    return window->setMouseGrabEnabled(true);
}

void releasePointer() {}

void takeFocus(QWindow* window)
{
    window->requestActivate();
}

} // namespace platform
