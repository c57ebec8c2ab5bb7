// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hold/desktop_plain.h"

#include <QWindow>

namespace platform {

bool DesktopPlain::hold(QWindow* front, const QList<QWindow*>&, const QList<QWindow*>& others)
{
    for (QWindow* other : others)
        other->setKeyboardGrabEnabled(false);
    return front->setKeyboardGrabEnabled(true) && front->setMouseGrabEnabled(true);
}

void DesktopPlain::letGo(const QList<QWindow*>& windows)
{
    for (QWindow* window : windows) {
        window->setKeyboardGrabEnabled(false);
        window->setMouseGrabEnabled(false);
    }
}

void DesktopPlain::takeFocus(QWindow* window)
{
    window->requestActivate();
}

} // namespace platform
