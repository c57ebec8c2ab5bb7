// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/wayland_seat.h"
#include "platform/runtime/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibrary>
#include <QWindow>
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

bool waylandSession()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Loaded on first use, in a Wayland session only; nullptr when it cannot be.
const WaylandSeatEntry* entry()
{
    static const WaylandSeatEntry* loaded = [] {
        if (!waylandSession())
            return static_cast<const WaylandSeatEntry*>(nullptr);
        QLibrary module(modulePath());
        using Get = const WaylandSeatEntry* (*)();
        const auto get =
            module.load() ? reinterpret_cast<Get>(module.resolve(kWaylandSeatEntry)) : nullptr;
        if (!get) {
            const std::string line = filled(
                translate("Messages", "%1; the toy cannot ask this desktop to hold its keys"),
                {module.errorString().toStdString()});
            std::fprintf(stderr, "tumbletot: %s\n", line.c_str());
        }
        return get ? get() : nullptr;
    }();
    return loaded;
}

} // namespace

bool WaylandSeat::available()
{
    return entry() != nullptr;
}

bool WaylandSeat::keyDown(int code)
{
    return entry() && entry()->keyDown(code);
}

bool WaylandSeat::wantShortcuts(QWindow* window, bool wanted)
{
    // Without the module there is nothing more to ask for.
    return !entry() || entry()->wantShortcuts(window, wanted);
}

void WaylandSeat::renewShortcuts(QWindow* window)
{
    if (entry())
        entry()->renewShortcuts(window);
}

void WaylandSeat::keepAwake(QWindow* window)
{
    if (entry())
        entry()->keepAwake(window);
}

void WaylandSeat::takeFocus(QWindow* window)
{
    if (!entry() || !entry()->takeFocus(window))
        window->requestActivate();
}

void WaylandSeat::listen(void (*heard)(QWindow* window, Shortcuts what))
{
    if (entry())
        entry()->listen(heard);
}

} // namespace platform
