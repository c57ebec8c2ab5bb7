// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime/awake_keeper.h"

#include <QGuiApplication>
#include <xcb/screensaver.h>
#include <xcb/xcb.h>

namespace platform {

void holdScreenSaverOff()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    // The offscreen platform answers as X11 too, without a connection.
    if (!connection)
        return;
    // Suspended, the saver never starts; reset, the idle time that lockers read starts again.
    xcb_screensaver_suspend(connection, 1);
    xcb_force_screen_saver(connection, XCB_SCREEN_SAVER_RESET);
    xcb_flush(connection);
}

} // namespace platform
