// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/application.h"

#include "platform/audio/audio_mixer.h"
#include "platform/hold/hold.h"
#include "platform/input/key_events.h"
#include "platform/runtime/character_locale.h"
#include "platform/runtime/display.h"
#include "platform/runtime/language.h"
#include "platform/ui/menu_bar.h"
#include "platform/ui/single_instance.h"
#include "platform/ui/window.h"

#include <QApplication>
#include <cstdio>

namespace platform {
namespace {

// Asked to quit: the event loop is not to run (any more).
bool& quitRequested()
{
    static bool flag = false;
    return flag;
}

// The windows are being closed for the quit.
bool& closingForQuit()
{
    static bool flag = false;
    return flag;
}

} // namespace

bool Application::canStart()
{
    return displayAvailable();
}

Application::Application(int& argc, char** argv)
{
    quitRequested() = false;
    if (!QApplication::instance()) {
        chooseUtf8Characters();
        qt_ = std::make_unique<QApplication>(argc, argv);
    }
    QApplication::setApplicationName(QStringLiteral("tumbletot"));
    // The desktop entry's name: a Wayland desktop matches the windows to the program by it, for
    // their icon and for what the user allowed the program once (GNOME's shortcuts question).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tumbletot.Tumbletot"));
    QApplication::setQuitOnLastWindowClosed(false);
    // Key events are recorded, and a palm kept from the parent's chords, from the first key on.
    KeyEvents::shared();
    Hold::shared();
}

Application::~Application() = default;

MenuBar* Application::menuBar() const
{
    return MenuBar::current();
}

void Application::setMenuBar(MenuBar* bar)
{
    MenuBar::setCurrent(bar);
}

int Application::run()
{
    SingleInstance instance;
    if (!instance.claim()) {
        std::fprintf(stderr, "tumbletot: %s\n",
                     translate("Messages", "already running; brought it to the front").c_str());
        return 0;
    }
    endCleanlyWhenDisplayLost();
    Event_Open();
    openDefaultWindow();
    Hold::shared().begin();
    const int status = quitRequested() ? 0 : QApplication::exec();
    displayNoLongerWatched();
    Window::closeAll();
    Hold::shared().end();
    releaseAtExit();
    AudioMixer::shutdown();
    return status;
}

void Application::Quit()
{
    if (closingForQuit())
        return;
    quitRequested() = true;
    closingForQuit() = true;
    // Windows go later: a handler of one of them may be what called this.
    while (Window* window = Window::front())
        window->Close();
    closingForQuit() = false;
    QApplication::quit();
}

bool Application::quitting()
{
    return closingForQuit();
}

} // namespace platform
