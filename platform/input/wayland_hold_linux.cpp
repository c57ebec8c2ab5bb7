// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/wayland_hold.h"

#include "platform/input/wayland_hold_entry.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibrary>
#include <QTimer>
#include <cstdio>

namespace platform {
namespace {

// Beside the program as the data is: <prefix>/lib/games/tumbletot, in the build tree as installed.
QString modulePath()
{
    const QDir bin(QCoreApplication::applicationDirPath());
    return QDir::cleanPath(
        bin.filePath(QStringLiteral("../lib/games/tumbletot/tumbletot-wayland")));
}

// Loaded on first use, in a Wayland session only; nullptr when it cannot be.
const WaylandHoldEntry* entry()
{
    static const WaylandHoldEntry* loaded = [] {
        QLibrary module(modulePath());
        using Get = const WaylandHoldEntry* (*)();
        const auto get =
            module.load() ? reinterpret_cast<Get>(module.resolve(kWaylandHoldEntry)) : nullptr;
        if (!get) {
            std::fprintf(stderr,
                         "tumbletot: %s; the toy cannot ask this desktop to hold its keys\n",
                         qPrintable(module.errorString()));
        }
        return get ? get() : nullptr;
    }();
    return loaded;
}

} // namespace

bool WaylandHold::inUse()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool WaylandHold::holdKeys(QWindow* window, bool hold)
{
    // Without the module there is nothing more to ask for.
    return !inUse() || !entry() || entry()->holdKeys(window, hold);
}

void WaylandHold::keepAwake(QWindow* window)
{
    if (inUse() && entry())
        entry()->keepAwake(window);
}

void WaylandHold::whenKeysCannotBeHeld(void (*tell)())
{
    if (!inUse())
        return;
    if (entry())
        entry()->whenKeysCannotBeHeld(tell);
    else
        QTimer::singleShot(0, qApp, tell); // the caller may still be being made
}

} // namespace platform
