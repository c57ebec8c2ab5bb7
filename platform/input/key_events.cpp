// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/key_events.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace platform {
namespace {

std::size_t codeIn(const QKeyEvent& key)
{
    return key.nativeScanCode() & 0xff;
}

} // namespace

KeyEvents& KeyEvents::shared()
{
    static KeyEvents* events = new KeyEvents;
    return *events;
}

KeyEvents::KeyEvents()
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyEvents::down(int code) const
{
    return down_.test(static_cast<std::size_t>(code));
}

bool KeyEvents::controlDown() const
{
    return controls_ > 0;
}

bool KeyEvents::isRepeat(const QKeyEvent& press) const
{
    return press.isAutoRepeat() ||
           (press.timestamp() != 0 && releasedAt_[codeIn(press)] == press.timestamp());
}

int KeyEvents::codeOf(const QKeyEvent& key)
{
    if (key.nativeScanCode() != 0)
        lastNamed_ = int(codeIn(key));
    return lastNamed_;
}

bool KeyEvents::eventFilter(QObject* watched, QEvent* event)
{
    // A key let go while another program had the keyboard was never seen here.
    if (event->type() == QEvent::ApplicationDeactivate) {
        down_.reset();
        controls_ = 0;
        return false;
    }
    const bool press = event->type() == QEvent::KeyPress;
    if (!press && event->type() != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!press)
        releasedAt_[codeIn(*key)] = key->timestamp();
    // Each key event passes the filter once per receiver; the window's copy is the one to count.
    if (watched->isWindowType() && !key->isAutoRepeat()) {
        down_.set(codeIn(*key), press);
        if (key->key() == Qt::Key_Control)
            controls_ = press ? controls_ + 1 : std::max(0, controls_ - 1);
    }
    return false;
}

} // namespace platform
