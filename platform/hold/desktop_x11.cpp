// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hold/desktop_x11.h"

#include <QWindow>
#include <cstdlib>
#include <xcb/screensaver.h>
#include <xcb/xcb.h>

namespace platform {

DesktopX11::DesktopX11(xcb_connection_t* connection) : connection_(connection) {}

bool DesktopX11::hold(QWindow* front, const QList<QWindow*>&, const QList<QWindow*>& others)
{
    // A client holds one keyboard grab: the others' go first, or letting them go later would
    // end the new one.
    for (QWindow* other : others)
        other->setKeyboardGrabEnabled(false);
    return front->setKeyboardGrabEnabled(true) && grabPointer(front);
}

bool DesktopX11::grabPointer(QWindow* window)
{
    // Qt's own grab reports success even when the server answers "already grabbed"; the reply
    // says what happened. Events on the toy's other windows still go to them.
    constexpr uint16_t kEvents = XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
                                 XCB_EVENT_MASK_POINTER_MOTION | XCB_EVENT_MASK_ENTER_WINDOW |
                                 XCB_EVENT_MASK_LEAVE_WINDOW;
    const xcb_grab_pointer_cookie_t cookie = xcb_grab_pointer(
        connection_, 1, xcb_window_t(window->winId()), kEvents, XCB_GRAB_MODE_ASYNC,
        XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, XCB_CURRENT_TIME);
    xcb_grab_pointer_reply_t* reply = xcb_grab_pointer_reply(connection_, cookie, nullptr);
    const bool held = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    return held;
}

void DesktopX11::letGo(const QList<QWindow*>& windows)
{
    for (QWindow* window : windows)
        window->setKeyboardGrabEnabled(false);
    xcb_ungrab_pointer(connection_, XCB_CURRENT_TIME);
    xcb_flush(connection_);
}

void DesktopX11::takeFocus(QWindow* window)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection_, 0, 18, "_NET_ACTIVE_WINDOW");
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(connection_, cookie, nullptr);
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
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    xcb_send_event(connection_, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
}

void DesktopX11::resetIdle()
{
    // Suspended, the saver never starts; reset, the idle time that lockers read starts again.
    xcb_screensaver_suspend(connection_, 1);
    xcb_force_screen_saver(connection_, XCB_SCREEN_SAVER_RESET);
    xcb_flush(connection_);
}

} // namespace platform
