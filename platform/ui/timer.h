// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/control.h"

#include <functional>

namespace platform {

// Mode 0 is off, 2 fires again and again, once per period.
class Timer : public Control {
  public:
    static constexpr int ModeOff = 0;
    static constexpr int ModeMultiple = 2;

    Timer(Window& owner, std::string name, int mode, int periodMs);
    ~Timer() override;

    int Mode() const { return mode_; }
    // The mode a timer already has changes nothing; mode 2 on a stopped timer counts from now.
    void setMode(int mode);
    int Period() const { return period_; }
    // Restarts the countdown from the full new period.
    void setPeriod(int periodMs);

    std::function<void()> Action;

    void windowClosing() override;

  private:
    void restart();
    void stop();

    int mode_;
    int period_;
    int running_ = 0;
};

} // namespace platform
