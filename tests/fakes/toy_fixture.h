// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window_flow.h"
#include "manual_clock.h"
#include "recording_sound_output.h"
#include "scripted_keyboard.h"
#include "scripted_random.h"

#include <string>

class Window1;

// Puts the toy into a known state for one test: scripted chance, keys, clock and sound, the
// settings at their defaults, no window open, the assets of the build tree read afresh.
class ToyFixture {
  public:
    ToyFixture();
    ~ToyFixture();

    void reset();
    // The play window, with the chances and sounds of its opening forgotten.
    Window1& openPlay();
    // Lets everything queued on the event loop run.
    static void settle();

    ScriptedRandom* random = nullptr;
    ScriptedKeyboard* keyboard = nullptr;
    ManualClock* clock = nullptr;
    RecordingSoundOutput* sound = nullptr;
    WindowFlow flow;
};
