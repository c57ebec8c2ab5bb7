// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/hold/desktop.h"

namespace platform {

// A system the toy knows nothing particular of (and the headless tests' screens): Qt's own
// grabs and activation.
class DesktopPlain : public Desktop {
  public:
    bool hold(QWindow* front, const QList<QWindow*>& stages,
              const QList<QWindow*>& others) override;
    void letGo(const QList<QWindow*>& windows) override;
    void takeFocus(QWindow* window) override;
    bool dialogsNeedRoom() const override { return false; }
    bool stagePerScreen() const override { return true; }
    void keepAwake(QWindow*) override {}
    void resetIdle() override {}
    DesktopKeys keys() const override { return DesktopKeys::Held; }
    void whenKeysChange(std::function<void()>) override {}
};

} // namespace platform
