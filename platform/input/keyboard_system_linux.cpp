// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/keyboard.h"
#include "platform/input/keyboard_tracker.h"
#include "platform/input/keyboard_wayland.h"
#include "platform/input/keyboard_x11.h"
#include "platform/input/wayland_seat.h"

#include <QGuiApplication>

namespace platform {

std::unique_ptr<KeyboardState> makeSystemKeyboard()
{
    // The display's own word on which keys are down; the program's key events only where the
    // display cannot be asked.
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->connection())
        return std::make_unique<KeyboardX11>(x11->connection());
    if (WaylandSeat::available())
        return std::make_unique<KeyboardWayland>();
    return std::make_unique<KeyboardTracker>();
}

} // namespace platform
