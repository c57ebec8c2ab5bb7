// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pointer_hold.h"

#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <xcb/xcb.h>

namespace platform {
namespace {

xcb_connection_t* x11()
{
    // The offscreen platform answers as X11 too, without a connection.
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace

bool holdPointer(QWindow* window)
{
    xcb_connection_t* connection = x11();
    if (!connection)
        return true;
    // Qt's own grab reports success even when the server answers "already grabbed"; the reply
    // says what happened. Events on the toy's other windows still go to them.
    constexpr uint16_t kEvents = XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
                                 XCB_EVENT_MASK_POINTER_MOTION | XCB_EVENT_MASK_ENTER_WINDOW |
                                 XCB_EVENT_MASK_LEAVE_WINDOW;
    const xcb_grab_pointer_cookie_t cookie =
        xcb_grab_pointer(connection, 1, xcb_window_t(window->winId()), kEvents, XCB_GRAB_MODE_ASYNC,
                         XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, XCB_CURRENT_TIME);
    xcb_grab_pointer_reply_t* reply = xcb_grab_pointer_reply(connection, cookie, nullptr);
    const bool held = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    return held;
}

void releasePointer()
{
    if (xcb_connection_t* connection = x11()) {
        xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
        xcb_flush(connection);
    }
}

} // namespace platform
