// SPDX-License-Identifier: GPL-3.0-or-later
// Sound choice: the sets, the default load, the rotation shared by every input, the random pick;
// and what is said aloud for what appears.

#include "fake_speech.h"
#include "toy_fixture.h"

#include "media/media.h"
#include "platform/ui/check_box.h"
#include "platform/ui/movie_player.h"
#include "play/play_window.h"
#include "settings/module1.h"
#include "settings/preferences_window.h"

#include <QtTest>

class TestSound : public ToyFixture {
    Q_OBJECT

  private Q_SLOTS:
    void defaultLoadPlaysSixOfTheComplexSetInTurnForEveryInput()
    {
        Window1& w = openPlay();
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
        QCOMPARE(w.MoviePlayer8->movie(), Media::QuillomoSound13());
        w.playing = 7;
        Module1::soundComplexity = Word::simple;
        Window1::shared().applySoundComplexity();
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
        Window1& w = openPlay(); // six sounds, as the toy starts
        random->push({0.0, 0.999999});
        w.playSound();
        w.playSound();
        QCOMPARE(sound->played[0].owner, static_cast<const void*>(w.MoviePlayer1));
        QCOMPARE(sound->played[1].owner, static_cast<const void*>(w.MoviePlayer6));
    }

    void eachNewShapeIsNamedByItsFillAndKind()
    {
        platform::Speech::install([]() -> std::unique_ptr<platform::Speech> {
            return std::make_unique<FakeSpeech>(true);
        });
        Window1& w = openPlay();
        const auto said = [this, &w] {
            return !sound->played.empty() && sound->played.back().owner == w.SpeechPlayer
                       ? sound->played.back().movie
                       : nullptr;
        };
        Module1::speakMode = Word::on;
        w.applySpeech();
        w.phrases().settle();
        // A language chosen and left again before its phrases were ready.
        w.phrases().prepare("de");
        w.applySpeech();
        w.phrases().settle();
        using C = PhraseBank::Colour;
        using K = PhraseBank::Kind;
        // The draw's order of kinds; black fills with a red line, red ones with a black line.
        const K kinds[] = {K::Circle, K::Oval, K::Square, K::Rectangle, K::Triangle, K::Diamond};
        for (int kind = 1; kind <= 6; ++kind) {
            const bool black = kind % 2;
            random->push({ScriptedRandom::giving(kind, 6, 1), 0.5, 0.5, 0.5, 0.5,
                          ScriptedRandom::giving(black ? 1 : 2, 3, 1), black ? 0.9 : 0.0});
            w.mouse_Pressed();
            QVERIFY(said() &&
                    said() == w.phrases().shapeClip(black ? C::Black : C::Red, kinds[kind - 1]));
        }
        // Only the background changes: its colour is said, the light ones too.
        Module1::playMode = Word::backgroundOnly;
        Module1::backMode = Word::white;
        Module1::beginnersMode = Word::off;
        for (const auto& [drawn, colour] :
             {std::pair{1, C::LightYellow}, {4, C::LightGreen}, {9, C::Pink}}) {
            random->push({0.0, ScriptedRandom::giving(drawn, 12, 1)});
            w.mouse_Pressed();
            QVERIFY(said() && said() == w.phrases().colourClip(colour));
        }
        platform::Speech::install(nullptr);
    }

    void aLanguageWithoutAVoiceSaysSoAndPlaysOn()
    {
        platform::Speech::install([]() -> std::unique_ptr<platform::Speech> {
            return std::make_unique<FakeSpeech>(false);
        });
        Window1& w = openPlay();
        Window2& prefs = Window2::shared();
        prefs.SpeakBox->setValue(true);
        w.phrases().settle();
        prefs.VoiceTimer_Action();
        QVERIFY(!prefs.SpeakBox->Enabled());
        QCOMPARE(w.phrases().problem(), std::string("no voice for this language"));
        QCOMPARE(Module1::speakMode, std::string(Word::off));
        random->pushShapes(1);
        w.mouse_Pressed();
        QVERIFY(!sound->played.empty() && sound->played.back().owner != w.SpeechPlayer);
        platform::Speech::install(nullptr);
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
