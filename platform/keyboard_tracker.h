// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/keyboard.h"

#include <QObject>
#include <bitset>

namespace platform {

// Keyboard state from the key events the application sees, where the system cannot be asked.
class KeyboardTracker : public QObject, public KeyboardState {
    Q_OBJECT
  public:
    KeyboardTracker();
    bool keyDown(int code) override;
    bool controlKey() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::bitset<256> down_;
    int controls_ = 0;
};

} // namespace platform
