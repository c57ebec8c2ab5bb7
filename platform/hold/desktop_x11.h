// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/hold/desktop.h"

struct xcb_connection_t;

namespace platform {

// An X server with any window manager: the keyboard and the pointer are grabbed for the toy, so
// the window manager's own bindings never see them; nothing to allow.
class DesktopX11 : public Desktop {
  public:
    explicit DesktopX11(xcb_connection_t* connection);
    bool hold(QWindow* front, const QList<QWindow*>& stages,
              const QList<QWindow*>& others) override;
    void letGo(const QList<QWindow*>& windows) override;
    void takeFocus(QWindow* window) override;
    bool dialogsNeedRoom() const override { return false; }
    bool stagePerScreen() const override { return true; }
    void keepAwake(QWindow*) override {}
    void resetIdle() override;
    DesktopKeys keys() const override { return DesktopKeys::Held; }
    void whenKeysChange(std::function<void()>) override {}

  private:
    bool grabPointer(QWindow* window);

    xcb_connection_t* connection_;
};

} // namespace platform
