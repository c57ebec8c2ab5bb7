// SPDX-License-Identifier: GPL-3.0-or-later
// The Wayland half of the keyboard state and of the keyboard and screen holds, in a module of its
// own: only a Wayland session loads it, so an X11 start does not pay for Qt's Wayland libraries.
#include "platform/input/wayland_seat_entry.h"

#include "qwayland-idle-inhibit-unstable-v1.h"
#include "qwayland-keyboard-shortcuts-inhibit-unstable-v1.h"
#include "qwayland-xdg-activation-v1.h"

#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWaylandClientExtensionTemplate>
#include <QWindow>
#include <algorithm>
#include <bitset>
#include <cstring>
#include <map>
#include <memory>
#include <qpa/qplatformnativeinterface.h>
#include <unistd.h>
#include <wayland-client.h>

namespace platform {
namespace {

// How long the compositor has to announce the protocols before the toy says it cannot hold.
constexpr int kBindWaitMs = 2000;
// A Wayland key code is the evdev one; the toy counts as X does, 8 higher.
constexpr uint32_t kEvdevToX = 8;

void (*listener)(QWindow*, Shortcuts) = nullptr;

void tell(QWindow* window, Shortcuts what)
{
    if (listener)
        listener(window, what);
}

// The keys the compositor says are down, from a keyboard of the module's own on the seat: it
// hears every change of focus with the keys held at that moment, so a key let go over another
// window is not still down here. The toy's own keys come to every keyboard of the program.
struct Keys {
    wl_registry* registry = nullptr;
    wl_seat* seat = nullptr;
    wl_keyboard* keyboard = nullptr;
    wl_surface* focus = nullptr;
    uint32_t serial = 0; // of the last key or change of focus
    std::bitset<256> down;

    void set(uint32_t key, bool pressed)
    {
        if (key + kEvdevToX < down.size())
            down.set(key + kEvdevToX, pressed);
    }
};

Keys& keys()
{
    static Keys k;
    return k;
}

void keymap(void*, wl_keyboard*, uint32_t, int32_t fd, uint32_t)
{
    ::close(fd);
}

void enter(void*, wl_keyboard*, uint32_t serial, wl_surface* surface, wl_array* held)
{
    Keys& k = keys();
    k.focus = surface;
    k.serial = serial;
    k.down.reset();
    const auto* key = static_cast<const uint32_t*>(held->data);
    for (std::size_t i = 0; i < held->size / sizeof(uint32_t); ++i)
        k.set(key[i], true);
}

void leave(void*, wl_keyboard*, uint32_t, wl_surface*)
{
    keys().focus = nullptr;
    keys().down.reset();
}

void key(void*, wl_keyboard*, uint32_t serial, uint32_t, uint32_t code, uint32_t state)
{
    keys().serial = serial;
    keys().set(code, state == WL_KEYBOARD_KEY_STATE_PRESSED);
}

void modifiers(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) {}
void repeat(void*, wl_keyboard*, int32_t, int32_t) {}

const wl_keyboard_listener keyboardListener{keymap, enter, leave, key, modifiers, repeat};

void capabilities(void*, wl_seat* seat, uint32_t caps)
{
    Keys& k = keys();
    const bool has = caps & WL_SEAT_CAPABILITY_KEYBOARD;
    if (has && !k.keyboard) {
        k.keyboard = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(k.keyboard, &keyboardListener, nullptr);
    } else if (!has && k.keyboard) {
        wl_keyboard_destroy(k.keyboard);
        k.keyboard = nullptr;
        k.focus = nullptr;
        k.down.reset();
    }
}

void seatName(void*, wl_seat*, const char*) {}

const wl_seat_listener seatListener{capabilities, seatName};

void global(void*, wl_registry* registry, uint32_t name, const char* interface, uint32_t)
{
    Keys& k = keys();
    if (k.seat || std::strcmp(interface, wl_seat_interface.name) != 0)
        return;
    k.seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    wl_seat_add_listener(k.seat, &seatListener, nullptr);
}

void globalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener registryListener{global, globalRemove};

void listenToKeys()
{
    Keys& k = keys();
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* display =
        native ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"))
               : nullptr;
    if (k.registry || !display)
        return;
    k.registry = wl_display_get_registry(display);
    wl_registry_add_listener(k.registry, &registryListener, nullptr);
}

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

class ActivationManager : public QWaylandClientExtensionTemplate<ActivationManager>,
                          public QtWayland::xdg_activation_v1 {
  public:
    ActivationManager() : QWaylandClientExtensionTemplate(1) {}
};

// A request for a window's shortcuts; its answers go to the listener.
class ShortcutsInhibitor : public QtWayland::zwp_keyboard_shortcuts_inhibitor_v1 {
  public:
    ShortcutsInhibitor(::zwp_keyboard_shortcuts_inhibitor_v1* made, QWindow* window,
                       wl_surface* surface)
        : QtWayland::zwp_keyboard_shortcuts_inhibitor_v1(made), window_(window), surface_(surface)
    {
    }
    ~ShortcutsInhibitor() override { destroy(); }

  protected:
    void zwp_keyboard_shortcuts_inhibitor_v1_active() override { tell(window_, Shortcuts::Held); }
    void zwp_keyboard_shortcuts_inhibitor_v1_inactive() override
    {
        // Still with the keyboard, the window was not left: the compositor took them back.
        tell(window_, keys().focus == surface_ ? Shortcuts::TakenBack : Shortcuts::Paused);
    }

  private:
    QPointer<QWindow> window_;
    wl_surface* surface_;
};

class IdleInhibitor : public QtWayland::zwp_idle_inhibitor_v1 {
  public:
    explicit IdleInhibitor(::zwp_idle_inhibitor_v1* made) : QtWayland::zwp_idle_inhibitor_v1(made)
    {
    }
    ~IdleInhibitor() override { destroy(); }
};

// One inhibitor per window, made for the surface the window has now: Qt makes a new surface
// each time a window is shown again.
template <class Inhibitor> struct Held {
    QPointer<QWindow> window;
    bool wanted = false;
    wl_surface* surface = nullptr;
    std::unique_ptr<Inhibitor> inhibitor;
};

struct State {
    ShortcutsManager* shortcuts = nullptr;
    IdleManager* idle = nullptr;
    ActivationManager* activation = nullptr;
    std::map<QWindow*, Held<ShortcutsInhibitor>> keys;
    std::map<QWindow*, Held<IdleInhibitor>> awake;
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

// A compositor's leave to hand the keyboard on, spent on the window that is to have it.
class ActivationToken : public QtWayland::xdg_activation_token_v1 {
  public:
    ActivationToken(::xdg_activation_token_v1* made, QWindow* to)
        : QtWayland::xdg_activation_token_v1(made), to_(to)
    {
    }
    ~ActivationToken() override { destroy(); }

  protected:
    void xdg_activation_token_v1_done(const QString& token) override
    {
        if (wl_surface* surface = to_ ? surfaceOf(to_) : nullptr)
            state().activation->activate(token, surface);
        delete this;
    }

  private:
    QPointer<QWindow> to_;
};

// Brings every window's inhibitor in line with what is wanted and the surface it has now;
// true when all that is wanted is in place.
template <class Inhibitor, class Make>
bool apply(std::map<QWindow*, Held<Inhibitor>>& all, bool active, Make make)
{
    bool done = true;
    for (auto it = all.begin(); it != all.end();) {
        Held<Inhibitor>& held = it->second;
        wl_surface* surface = held.window ? surfaceOf(held.window) : nullptr;
        if (held.inhibitor && (!held.wanted || held.surface != surface))
            held.inhibitor.reset();
        if (!held.window) {
            it = all.erase(it);
            continue;
        }
        if (held.wanted && !held.inhibitor && active && surface) {
            held.surface = surface;
            held.inhibitor.reset(make(held.window, surface));
        }
        done &= !held.wanted || held.inhibitor != nullptr;
        ++it;
    }
    return done;
}

bool applyKeys()
{
    State& s = state();
    return apply(s.keys, s.shortcuts->isActive() && seat(),
                 [&s](QWindow* window, wl_surface* surface) {
                     return new ShortcutsInhibitor(s.shortcuts->inhibit_shortcuts(surface, seat()),
                                                   window, surface);
                 });
}

void applyAwake()
{
    State& s = state();
    apply(s.awake, s.idle->isActive(), [&s](QWindow*, wl_surface* surface) {
        return new IdleInhibitor(s.idle->create_inhibitor(surface));
    });
}

void bind()
{
    State& s = state();
    if (s.shortcuts)
        return;
    listenToKeys();
    s.shortcuts = new ShortcutsManager;
    s.idle = new IdleManager;
    s.activation = new ActivationManager;
    s.shortcuts->setParent(qGuiApp);
    s.idle->setParent(qGuiApp);
    s.activation->setParent(qGuiApp);
    QObject::connect(s.shortcuts, &QWaylandClientExtension::activeChanged, qGuiApp,
                     [] { applyKeys(); });
    QObject::connect(s.idle, &QWaylandClientExtension::activeChanged, qGuiApp,
                     [] { applyAwake(); });
    QTimer::singleShot(kBindWaitMs, qGuiApp, [] {
        State& s = state();
        if (s.shortcuts->isActive())
            return;
        s.cannot = true;
        tell(nullptr, Shortcuts::NeverHeld);
    });
}

bool keyDown(int code)
{
    bind();
    return code >= 0 && std::size_t(code) < keys().down.size() && keys().down.test(code);
}

bool wantShortcuts(QWindow* window, bool wanted)
{
    bind();
    auto& held = state().keys[window];
    held.window = window;
    held.wanted = wanted;
    return applyKeys();
}

void renewShortcuts(QWindow* window)
{
    // The old request goes first: a compositor that ends it restores the shortcuts, and would
    // take them from the new one too.
    if (auto it = state().keys.find(window); it != state().keys.end())
        it->second.inhibitor.reset();
    applyKeys();
}

void keepAwake(QWindow* window)
{
    bind();
    auto& held = state().awake[window];
    held.window = window;
    held.wanted = true;
    applyAwake();
}

// The surface the compositor last gave the keyboard to, while it is still a shown window's: the
// compositor's word that it left comes after the toy has let it go.
wl_surface* keyboardSurface()
{
    wl_surface* focus = keys().focus;
    const QWindowList windows = QGuiApplication::allWindows();
    const bool shown = std::any_of(windows.begin(), windows.end(), [focus](QWindow* window) {
        return window->isVisible() && surfaceOf(window) == focus;
    });
    return focus && shown ? focus : nullptr;
}

bool takeFocus(QWindow* window)
{
    bind();
    // Asked for by the surface that had the last key: Qt would ask with the window it counts as
    // active, which lags behind a window that has just been given the keyboard.
    wl_surface* from = keyboardSurface();
    if (!state().activation->isActive() || !from || !keys().seat)
        return false;
    auto* token = new ActivationToken(state().activation->get_activation_token(), window);
    token->set_serial(keys().serial, keys().seat);
    token->set_surface(from);
    token->commit();
    return true;
}

void listen(void (*heard)(QWindow*, Shortcuts))
{
    bind();
    listener = heard;
    if (state().cannot)
        tell(nullptr, Shortcuts::NeverHeld);
}

} // namespace
} // namespace platform

// Named as kWaylandSeatEntry says.
extern "C" Q_DECL_EXPORT const platform::WaylandSeatEntry* tumbletot_wayland_seat()
{
    static const platform::WaylandSeatEntry entry{platform::keyDown,        platform::wantShortcuts,
                                                  platform::renewShortcuts, platform::keepAwake,
                                                  platform::takeFocus,      platform::listen};
    return &entry;
}
