// SPDX-License-Identifier: GPL-3.0-or-later
// One play action, from the key event to the painted frame, at two screen sizes, without and with
// what appears said aloud; the event thread's wait on switching that on; and the time a language's
// phrases take to be spoken into clips.
// Run with QT_QPA_PLATFORM=offscreen:configfile=<screen json>; the screen's size is in the name.

#include "platform/audio/sound_output.h"
#include "platform/input/keyboard.h"
#include "platform/ui/window.h"
#include "play/play_window.h"
#include "settings/module1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

class NoKeysHeld : public platform::KeyboardState {
  public:
    bool keyDown(int) override { return false; }
    bool controlKey() override { return false; }
};

void keyPressToFrame(benchmark::State& state)
{
    Window1& play = Window1::shared();
    Module1::speakMode = state.range(0) ? Word::on : Word::off;
    play.applySpeech();
    play.phrases().settle();
    QWidget* surface = play.surface();
    surface->repaint();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(surface, &press);
        // The frame: everything the action asked to repaint, painted now.
        surface->window()->repaint();
    }
    state.SetLabel(std::to_string(play.Width()) + "x" + std::to_string(play.Height()) +
                   (state.range(0) ? ", saying it" : ""));
}
BENCHMARK(keyPressToFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// What a parent waits for on switching saying what appears on, or on choosing another language
// with it on: the event thread's part alone, since the phrases are spoken on the bank's own.
void switchSpeechOn(benchmark::State& state)
{
    Window1& play = Window1::shared();
    Module1::speakMode = Word::on;
    bool german = false;
    for (auto _ : state) {
        german = !german;
        Module1::language = german ? "de" : "en";
        play.applySpeech();
        state.PauseTiming();
        play.phrases().settle();
        state.ResumeTiming();
    }
}
// A few rounds: each one speaks a whole language, untimed.
BENCHMARK(switchSpeechOn)->Unit(benchmark::kMillisecond)->Iterations(6);

// Off the event thread: every phrase of a language spoken, trimmed and levelled (two voices in
// turn, so that each round speaks them all again).
void speakLanguage(benchmark::State& state)
{
    PhraseBank& bank = Window1::shared().phrases();
    bool german = false;
    for (auto _ : state) {
        german = !german;
        bank.prepare(german ? "de" : "en");
        bank.settle();
    }
}
BENCHMARK(speakLanguage)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::Keyboard::install(std::make_unique<NoKeysHeld>());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    platform::Window::closeAll();
    return 0;
}
