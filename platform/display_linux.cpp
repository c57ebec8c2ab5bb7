#include "platform/display.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

bool displayAvailable()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    // Qt aborts when it finds no display; a parent deserves a plain sentence instead.
    if (set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM"))
        return true;
    std::fprintf(stderr, "tumbletot: no display found. Start it from a desktop session, or set "
                         "DISPLAY (X11) or WAYLAND_DISPLAY (Wayland).\n");
    return false;
}

} // namespace platform
