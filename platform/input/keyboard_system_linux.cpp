// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/keyboard.h"
#include "platform/input/keyboard_tracker.h"
#include "platform/input/keyboard_x11.h"

#include <QGuiApplication>

namespace platform {

std::unique_ptr<KeyboardState> makeSystemKeyboard()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->connection())
        return std::make_unique<KeyboardX11>(x11->connection());
    return std::make_unique<KeyboardTracker>();
}

} // namespace platform
