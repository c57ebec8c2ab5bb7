// SPDX-License-Identifier: GPL-3.0-or-later
// The play window: its opening, the road of a key press or click, the held-key wait, auto-play.

#include "toy_fixture.h"

#include "platform/ui/canvas.h"
#include "platform/ui/draw_op.h"
#include "platform/ui/timer.h"
#include "play/play_window.h"
#include "settings/module1.h"
#include "settings/preferences_window.h"
#include "startscreen/start_screen.h"

#include <QtTest>

class TestPlay : public ToyFixture {
    Q_OBJECT

  private Q_SLOTS:
    void opensWithoutAMenuBarAndWithASilentStartScreen()
    {
        QVERIFY(!Window1::shared().MenuBarVisible());
        // The start screen made while opening is silent.
        QVERIFY(Window3::isOpen() && !sound->playing(Window3::shared().MoviePlayer1));
    }

    void anInputRestartsTheCountdownStopsAutoPlayAndActsOnce()
    {
        // A key, a click and its release, and a key never let go with Control held: Control ends
        // the wait for the key's release at once.
        for (const auto& [click, control] :
             {std::pair{false, false}, {true, false}, {false, true}}) {
            reset();
            Window1& w = openPlay();
            Module1::delayTime = 20;
            w.Timer2->setMode(platform::Timer::ModeMultiple);
            random->pushShapes();
            keyboard->hold(38, control ? -1 : 3);
            keyboard->setControl(control);
            QVERIFY(!(click ? w.Event_MouseDown(10, 10) : w.Event_KeyDown("a")));
            w.Event_MouseUp(10, 10);
            QCOMPARE(w.Timer1->Period(), 20000);
            QCOMPARE(w.Timer1->Mode(),
                     platform::Timer::ModeOff); // auto-play is off: nothing counts
            QCOMPARE(w.Timer2->Mode(), platform::Timer::ModeOff);
            QCOMPARE(int(w.Canvas1->drawn().size()), 2); // a fill and a line
            QCOMPARE(int(sound->played.size()), 1);
        }
    }

    void lowestHeldCodeIsTheKeyAndItsReleaseEndsTheWait()
    {
        Window1& w = openPlay();
        // Held: scan 0..40, then polls of code 40 alone until it is let go. None held: the full
        // scan, then one poll of code 13.
        for (bool held : {true, false}) {
            random->pushShapes();
            keyboard->releaseAll();
            if (held) {
                keyboard->hold(60);
                keyboard->hold(40, 5);
            }
            keyboard->resetQueries();
            sound->played.clear();
            w.Event_KeyDown("x");
            QCOMPARE(keyboard->queries(), held ? 41 + 5 : 256 + 1);
            QCOMPARE(keyboard->lastAsked(), held ? 40 : 13);
            QCOMPARE(int(sound->played.size()), 1);
        }
    }

    void pressesDuringAWaitActButDoNotPileUpWaits()
    {
        Window1& w = openPlay();
        random->pushShapes(2);
        keyboard->hold(38, 200);
        int nestedReturned = 0;
        QTimer::singleShot(0, [&] {
            w.Event_KeyDown("b"); // the held key 38 is still the lowest: no second wait
            ++nestedReturned;
        });
        w.Event_KeyDown("a");
        QCOMPARE(nestedReturned, 1);
        QCOMPARE(int(sound->played.size()), 2);
        QCOMPARE(int(w.Canvas1->drawn().size()), 2); // one shape, its fill and its line
    }

    void backgroundOnlyWithChangingChangesTwiceAroundTheSound()
    {
        Window1& w = openPlay();
        Module1::playMode = Word::backgroundOnly;
        Module1::backMode = Word::changing;
        Module1::beginnersMode = Word::off;
        random->reset();
        random->push({0.1, ScriptedRandom::giving(8, 12, 1)});  // first background
        random->push(ScriptedRandom::giving(4, 6, 1));          // the random sound
        random->push({0.1, ScriptedRandom::giving(10, 12, 1)}); // second background
        w.mouse_Pressed();
        QVERIFY(random->spent());
        QCOMPARE(sound->played.at(0).owner, static_cast<const void*>(&w.player(4)));
        QCOMPARE(w.BackColor(), w.palette.col_Blue);
        QCOMPARE(w.playing, 0); // the random sound leaves the rotation alone
        QVERIFY(w.Canvas1->drawn().empty());
    }

    void onlyChangingChangesTheBackgroundOnAClickAndFirst()
    {
        for (const bool changing : {true, false}) {
            Window1& w = openPlay();
            Module1::backMode = changing ? Word::changing : Word::different;
            Module1::beginnersMode = Word::off;
            const platform::Color before = w.screenCol;
            if (changing)
                random->push(ScriptedRandom::giving(3, 5, 1)); // light pink
            random->pushShapes();
            w.mouse_Pressed();
            QCOMPARE(w.screenCol, changing ? w.palette.col_LPink : before);
            QCOMPARE(w.ranCol, w.palette.col_Black); // chosen against the new background
            QVERIFY(random->spent());
        }
    }

    void autoPlayStartsAfterTheDelayTicksEveryOneAndAHalfSecondsAndStopsWhenOff()
    {
        for (int delay : {20, 1}) {
            reset();
            Window1::shared();
            Module1::autoMode = Word::on;
            Module1::delayTime = delay;
            Window2::shared().Close(); // applies auto-play
            const std::size_t before = sound->played.size();
            clock->advance(delay * 1000 + 1499);
            QCOMPARE(sound->played.size(), before);
            clock->advance(1);
            QCOMPARE(sound->played.size(), before + 1);
            clock->advance(3000);
            QCOMPARE(sound->played.size(), before + 3);
        }
        // Switched off while it plays: the ticks stop too, and nothing counts down again.
        Module1::autoMode = Word::off;
        Window2::shared().Close();
        const std::size_t before = sound->played.size();
        clock->advance(10000);
        QCOMPARE(sound->played.size(), before);
    }
};

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
