// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hold/desktop.h"
#include "platform/hold/desktop_plain.h"
#include "platform/hold/desktop_wayland.h"
#include "platform/hold/desktop_x11.h"

#include <QGuiApplication>

namespace platform {

std::unique_ptr<Desktop> makeDesktop()
{
    // The offscreen platform answers as X11 too, without a connection.
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->connection())
        return std::make_unique<DesktopX11>(x11->connection());
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return std::make_unique<DesktopWayland>();
    return std::make_unique<DesktopPlain>();
}

} // namespace platform
