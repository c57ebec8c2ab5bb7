// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/hold/desktop.h"

#include <QObject>
#include <QSet>

class QTimer;

namespace platform {

enum class Shortcuts;

// A Wayland compositor: asked to pass its shortcuts to the stages and to keep the screen on.
// Nobody grabs there. When it takes the shortcuts back from a stage that still has the keyboard
// (GNOME's Super+Escape), they are asked for again at once. In the toy's own session at the login
// screen (the child lock: cage) there are no shortcuts to hold, and one stage covers every screen.
class DesktopWayland : public QObject, public Desktop {
    Q_OBJECT
  public:
    DesktopWayland();
    ~DesktopWayland() override;
    bool hold(QWindow* front, const QList<QWindow*>& stages,
              const QList<QWindow*>& others) override;
    void letGo(const QList<QWindow*>& windows) override;
    void takeFocus(QWindow* window) override;
    bool dialogsNeedRoom() const override { return true; }
    bool stagePerScreen() const override { return !childLock_; }
    void keepAwake(QWindow* stage) override;
    void resetIdle() override {}
    DesktopKeys keys() const override { return keys_; }
    void whenKeysChange(std::function<void()> changed) override { changed_ = std::move(changed); }

  private:
    static void heard(QWindow* window, Shortcuts what);
    void answer(QWindow* window, Shortcuts what);
    void setKeys(DesktopKeys keys);

    QSet<QWindow*> held_;
    QTimer* refusal_;
    bool childLock_;
    DesktopKeys keys_ = DesktopKeys::Held;
    std::function<void()> changed_;
};

} // namespace platform
