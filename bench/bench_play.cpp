// SPDX-License-Identifier: GPL-3.0-or-later
// One play action, from the key event to the painted frame, at two screen sizes.
// Run with QT_QPA_PLATFORM=offscreen:configfile=<screen json>; the screen's size is in the name.

#include "platform/audio/sound_output.h"
#include "platform/input/keyboard.h"
#include "platform/ui/window.h"
#include "play/play_window.h"

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
    QWidget* surface = play.surface();
    surface->repaint();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(surface, &press);
        // The frame: everything the action asked to repaint, painted now.
        surface->window()->repaint();
    }
    state.SetLabel(std::to_string(play.Width()) + "x" + std::to_string(play.Height()));
}
BENCHMARK(keyPressToFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

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
