// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window_flow.h"
#include "manual_clock.h"
#include "recording_sound_output.h"
#include "scripted_keyboard.h"
#include "scripted_random.h"
#include "synth.h"

#include <QObject>

class Window1;

// The base of every test program: before each test function the toy is put into a known state,
// with scripted chance, keys, clock and sound, the settings at their defaults, no window open and
// the assets of the build tree read afresh.
class ToyFixture : public QObject {
    Q_OBJECT

  public:
    ToyFixture();
    ~ToyFixture() override;

    void reset();
    // The play window, with the chances and sounds of its opening forgotten.
    Window1& openPlay();
    // Lets everything queued on the event loop run.
    static void settle();
    // Samples as the loudness meter reads them, padded with silence to atLeast.
    static synth::Buffer samplesOf(const std::vector<std::int16_t>& samples,
                                   std::size_t atLeast = 0);

    ScriptedRandom* random = nullptr;
    ScriptedKeyboard* keyboard = nullptr;
    ManualClock* clock = nullptr;
    RecordingSoundOutput* sound = nullptr;
    WindowFlow flow;

  private Q_SLOTS:
    void init() { reset(); }
};
