// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/input/keyboard.h"

#include <QTimer>
#include <map>
#include <set>

// Keys held by script. A key can be let go after a number of polls, to end a held-key wait.
class ScriptedKeyboard : public platform::KeyboardState {
  public:
    bool keyDown(int code) override
    {
        ++queries_;
        last_ = code;
        auto release = releaseAfter_.find(code);
        if (release != releaseAfter_.end() && release->second-- <= 0) {
            releaseAfter_.erase(release);
            held_.erase(code);
        }
        const bool down = held_.count(code) > 0;
        // A waiting loop sleeps until an event comes: give it one, as a real key would.
        if (down)
            QTimer::singleShot(0, [] {});
        return down;
    }
    bool controlKey() override { return control_; }

    void hold(int code, int polls = -1)
    {
        held_.insert(code);
        if (polls >= 0)
            releaseAfter_[code] = polls;
    }
    void releaseAll()
    {
        held_.clear();
        releaseAfter_.clear();
        control_ = false;
    }
    void setControl(bool down) { control_ = down; }
    int queries() const { return queries_; }
    void resetQueries() { queries_ = 0; }
    int lastAsked() const { return last_; }

  private:
    std::set<int> held_;
    std::map<int, int> releaseAfter_;
    bool control_ = false;
    int queries_ = 0;
    int last_ = -1;
};
