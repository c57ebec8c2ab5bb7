// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hold/desktop_wayland.h"

#include "platform/input/wayland_seat.h"
#include "platform/runtime/language.h"

#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace platform {
namespace {

// A compositor that asks the user (GNOME) answers in its own time; one that says nothing this
// long after a stage asked has been told no.
constexpr int kRefusalMs = 5000;

DesktopWayland* listening = nullptr;

// What the child lock's session names its desktop.
constexpr char kChildLockDesktop[] = "Tumbletot";

bool inChildLock()
{
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP")
        .split(QLatin1Char(':'))
        .contains(QLatin1String(kChildLockDesktop));
}

} // namespace

DesktopWayland::DesktopWayland() : refusal_(new QTimer(this)), childLock_(inChildLock())
{
    refusal_->setSingleShot(true);
    refusal_->setInterval(kRefusalMs);
    connect(refusal_, &QTimer::timeout, this, [this] {
        if (held_.isEmpty() && keys_ == DesktopKeys::Held)
            setKeys(DesktopKeys::Refused);
    });
    listening = this;
    if (WaylandSeat::available())
        WaylandSeat::listen(&DesktopWayland::heard);
    else if (!childLock_)
        keys_ = DesktopKeys::Kept;
}

DesktopWayland::~DesktopWayland()
{
    listening = nullptr;
}

bool DesktopWayland::hold(QWindow* front, const QList<QWindow*>& stages,
                          const QList<QWindow*>& others)
{
    // The compositor hands the shortcuts to whichever stage has the keyboard.
    for (QWindow* other : others) {
        if (!stages.contains(other))
            WaylandSeat::wantShortcuts(other, false);
    }
    bool asked = true;
    for (QWindow* stage : stages)
        asked &= WaylandSeat::wantShortcuts(stage, true);
    if (held_.isEmpty() && !childLock_ && !refusal_->isActive() && stages.contains(front))
        refusal_->start();
    return asked;
}

void DesktopWayland::letGo(const QList<QWindow*>& windows)
{
    for (QWindow* window : windows) {
        WaylandSeat::wantShortcuts(window, false);
        held_.remove(window);
    }
}

void DesktopWayland::takeFocus(QWindow* window)
{
    WaylandSeat::takeFocus(window);
}

void DesktopWayland::keepAwake(QWindow* stage)
{
    WaylandSeat::keepAwake(stage);
}

void DesktopWayland::heard(QWindow* window, Shortcuts what)
{
    if (listening)
        listening->answer(window, what);
}

void DesktopWayland::answer(QWindow* window, Shortcuts what)
{
    switch (what) {
    case Shortcuts::Held:
        held_.insert(window);
        refusal_->stop();
        setKeys(DesktopKeys::Held);
        break;
    case Shortcuts::TakenBack:
        // Before the child's next key can open anything.
        held_.remove(window);
        WaylandSeat::renewShortcuts(window);
        break;
    case Shortcuts::Paused:
        held_.remove(window);
        break;
    case Shortcuts::NeverHeld:
        // A kiosk has no shortcuts of its own to keep.
        if (childLock_)
            break;
        std::fprintf(stderr, "tumbletot: %s\n",
                     translate("Messages", "this compositor keeps its own shortcuts; the toy "
                                           "cannot hold every key here")
                         .c_str());
        setKeys(DesktopKeys::Kept);
        break;
    }
}

void DesktopWayland::setKeys(DesktopKeys keys)
{
    if (keys == keys_)
        return;
    keys_ = keys;
    if (changed_)
        changed_();
}

} // namespace platform
