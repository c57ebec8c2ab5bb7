// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/pointer_hold.h"

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

void takeFocus(QWindow* window)
{
    xcb_connection_t* connection = x11();
    if (!connection)
        return;
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, 18, "_NET_ACTIVE_WINDOW");
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!atom)
        return;
    constexpr uint32_t kFromPager = 2;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window->winId());
    message.type = atom->atom;
    message.data.data32[0] = kFromPager;
    message.data.data32[1] = XCB_CURRENT_TIME;
    std::free(atom);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

void releasePointer()
{
    if (xcb_connection_t* connection = x11()) {
        xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
        xcb_flush(connection);
    }
}

} // namespace platform
