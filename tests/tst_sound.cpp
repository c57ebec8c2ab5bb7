// SPDX-License-Identifier: GPL-3.0-or-later
// Sound choice: the sets, the default load, the rotation shared by every input, the random pick.

#include "toy_fixture.h"

#include "media/media.h"
#include "platform/ui/movie_player.h"
#include "play/play_window.h"
#include "settings/module1.h"

#include <QtTest>

class TestSound : public ToyFixture {
    Q_OBJECT

  private Q_SLOTS:
    void defaultLoadPlaysSixOfTheComplexSetInTurnForEveryInput()
    {
        Window1& w = openPlay();
        QCOMPARE(Module1::soundNumber, 6);
        // The set's first six slots, then round again; a key, a click and an auto-play tick each
        // take the next.
        const std::function<void()> inputs[] = {[&w] { w.Event_KeyDown("a"); },
                                                [&w] { w.Event_MouseDown(3, 3); },
                                                [&w] { w.Timer2_Action(); }};
        random->pushShapes(7);
        for (int i = 0; i < 7; ++i)
            inputs[i % 3]();
        for (std::size_t i = 0; i < 7; ++i) {
            const std::size_t slot = i % 6 + 1;
            QCOMPARE(sound->played[i].owner, static_cast<const void*>(&w.player(int(slot))));
            QCOMPARE(sound->played[i].movie, Module1::B_Sound[slot]);
        }
    }

    void fromEightToSixAndBack()
    {
        Window1& w = openPlay();
        Module1::soundComplexity = Word::complex;
        Window1::shared().applySoundComplexity();
        QCOMPARE(Module1::soundNumber, 8);
        QCOMPARE(w.MoviePlayer8->movie(), Media::QuillomoSound13());
        w.playing = 7;
        Module1::soundComplexity = Word::simple;
        Window1::shared().applySoundComplexity();
        QCOMPARE(Module1::soundNumber, 6);
        QCOMPARE(w.MoviePlayer1->movie(), Media::Basso());
        QCOMPARE(w.MoviePlayer7->movie(), Media::QuillomoSound21()); // kept, but out of use
        random->pushShapes(1);
        w.mouse_Pressed();
        QCOMPARE(w.playing, 1);

        w.playing = 6;
        Module1::soundComplexity = Word::complex;
        Window1::shared().applySoundComplexity();
        random->pushShapes(1);
        w.mouse_Pressed();
        QCOMPARE(w.playing, 7);
        QCOMPARE(sound->played.back().movie, Media::QuillomoSound21());
    }

    void randomSoundCoversOneToSoundNumber()
    {
        Window1& w = openPlay();
        Module1::soundNumber = 6;
        random->push({0.0, 0.999999});
        w.playSound();
        w.playSound();
        QCOMPARE(sound->played[0].owner, static_cast<const void*>(w.MoviePlayer1));
        QCOMPARE(sound->played[1].owner, static_cast<const void*>(w.MoviePlayer6));
        QCOMPARE(w.playing, 0);
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
