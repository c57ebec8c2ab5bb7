// SPDX-License-Identifier: GPL-3.0-or-later
// The Wayland half of the keyboard and screen holds, in a module of its own: only a Wayland
// session loads it, so an X11 start does not pay for Qt's Wayland client libraries.
#include "platform/input/wayland_hold_entry.h"

#include "qwayland-idle-inhibit-unstable-v1.h"
#include "qwayland-keyboard-shortcuts-inhibit-unstable-v1.h"

#include <QGuiApplication>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWaylandClientExtensionTemplate>
#include <QWindow>
#include <cstdio>
#include <qpa/qplatformnativeinterface.h>

namespace platform {
namespace {

// How long the compositor has to announce the protocols before the toy says it cannot hold.
constexpr int kBindWaitMs = 2000;

class ShortcutsManager : public QWaylandClientExtensionTemplate<ShortcutsManager>,
                         public QtWayland::zwp_keyboard_shortcuts_inhibit_manager_v1 {
  public:
    ShortcutsManager() : QWaylandClientExtensionTemplate(1) {}
};

class IdleManager : public QWaylandClientExtensionTemplate<IdleManager>,
                    public QtWayland::zwp_idle_inhibit_manager_v1 {
  public:
    IdleManager() : QWaylandClientExtensionTemplate(1) {}
};

// One inhibitor per window, made for the surface the window has now: Qt makes a new surface
// each time a window is shown again.
template <class Inhibitor> struct Held {
    QPointer<QWindow> window;
    bool wanted = false;
    wl_surface* surface = nullptr;
    Inhibitor* inhibitor = nullptr;
};

struct State {
    ShortcutsManager* shortcuts = nullptr;
    IdleManager* idle = nullptr;
    QHash<QWindow*, Held<zwp_keyboard_shortcuts_inhibitor_v1>> keys;
    QHash<QWindow*, Held<zwp_idle_inhibitor_v1>> awake;
    void (*tell)() = nullptr;
    bool cannot = false;
};

State& state()
{
    static State s;
    return s;
}

wl_surface* surfaceOf(QWindow* window)
{
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native && window->handle()
               ? static_cast<wl_surface*>(native->nativeResourceForWindow("surface", window))
               : nullptr;
}

wl_seat* seat()
{
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native ? static_cast<wl_seat*>(native->nativeResourceForIntegration("wl_seat"))
                  : nullptr;
}

// Brings every window's inhibitor in line with what is wanted and the surface it has now;
// true when all that is wanted is in place.
template <class Inhibitor, class Make, class Destroy>
bool apply(QHash<QWindow*, Held<Inhibitor>>& all, bool active, Make make, Destroy destroy)
{
    bool done = true;
    for (auto it = all.begin(); it != all.end();) {
        Held<Inhibitor>& held = it.value();
        wl_surface* surface = held.window ? surfaceOf(held.window) : nullptr;
        if (held.inhibitor && (!held.wanted || held.surface != surface)) {
            destroy(held.inhibitor);
            held.inhibitor = nullptr;
        }
        if (!held.window) {
            it = all.erase(it);
            continue;
        }
        if (held.wanted && !held.inhibitor) {
            if (active && surface) {
                held.inhibitor = make(surface);
                held.surface = surface;
            }
            done &= held.inhibitor != nullptr;
        }
        ++it;
    }
    return done;
}

bool applyKeys()
{
    State& s = state();
    return apply(
        s.keys, s.shortcuts->isActive() && seat(),
        [&s](wl_surface* surface) { return s.shortcuts->inhibit_shortcuts(surface, seat()); },
        zwp_keyboard_shortcuts_inhibitor_v1_destroy);
}

bool applyAwake()
{
    State& s = state();
    return apply(
        s.awake, s.idle->isActive(),
        [&s](wl_surface* surface) { return s.idle->create_inhibitor(surface); },
        zwp_idle_inhibitor_v1_destroy);
}

void bind()
{
    State& s = state();
    if (s.shortcuts)
        return;
    s.shortcuts = new ShortcutsManager;
    s.idle = new IdleManager;
    s.shortcuts->setParent(qGuiApp);
    s.idle->setParent(qGuiApp);
    QObject::connect(s.shortcuts, &QWaylandClientExtension::activeChanged, qGuiApp,
                     [] { applyKeys(); });
    QObject::connect(s.idle, &QWaylandClientExtension::activeChanged, qGuiApp,
                     [] { applyAwake(); });
    QTimer::singleShot(kBindWaitMs, qGuiApp, [] {
        State& s = state();
        if (s.shortcuts->isActive())
            return;
        s.cannot = true;
        std::fprintf(stderr, "tumbletot: this compositor keeps its own shortcuts; the toy cannot "
                             "hold every key here\n");
        if (s.tell)
            s.tell();
    });
}

bool holdKeys(QWindow* window, bool hold)
{
    bind();
    auto& held = state().keys[window];
    held.window = window;
    held.wanted = hold;
    return applyKeys();
}

void keepAwake(QWindow* window)
{
    bind();
    auto& held = state().awake[window];
    held.window = window;
    held.wanted = true;
    applyAwake();
}

void whenKeysCannotBeHeld(void (*tell)())
{
    state().tell = tell;
    if (state().cannot)
        tell();
}

} // namespace
} // namespace platform

// Named as kWaylandHoldEntry says.
extern "C" Q_DECL_EXPORT const platform::WaylandHoldEntry* tumbletot_wayland_hold()
{
    static const platform::WaylandHoldEntry entry{platform::holdKeys, platform::keepAwake,
                                                  platform::whenKeysCannotBeHeld};
    return &entry;
}
