// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/keyboard_tracker.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace platform {

KeyboardTracker::KeyboardTracker()
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyboardTracker::keyDown(int code)
{
    return down_.test(static_cast<std::size_t>(code));
}

bool KeyboardTracker::controlKey()
{
    return controls_ > 0;
}

bool KeyboardTracker::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    // Each key event passes the filter once per receiver; the window's copy is the one to count.
    if ((press || event->type() == QEvent::KeyRelease) && watched->isWindowType()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            down_.set(key->nativeScanCode() & 0xff, press);
            if (key->key() == Qt::Key_Control)
                controls_ = press ? controls_ + 1 : std::max(0, controls_ - 1);
        }
    }
    return false;
}

} // namespace platform
