// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/class2.h"

#include "app/menu1.h"
#include "media/media.h"
#include "platform/ui/window_directory.h"
#include "settings/module1.h"
#include "settings/preferences_window.h"
#include "sound/sound_board.h"
#include "startscreen/start_screen.h"

namespace {

Class2*& instance()
{
    static Class2* app = nullptr;
    return app;
}

} // namespace

Class2::Class2(int& argc, char** argv) : platform::Application(argc, argv)
{
    instance() = this;
    Module1::B_Sound.fill(nullptr);
    setMenuBar(&Menu1::shared());
    introduceWindows();
}

void Class2::introduceWindows()
{
    // The play window reaches the windows above it by name.
    platform::WindowDirectory::add("Window2",
                                   []() -> platform::Window& { return Window2::shared(); });
    platform::WindowDirectory::add("Window3",
                                   []() -> platform::Window& { return Window3::shared(); });
}

Class2::~Class2()
{
    instance() = nullptr;
    Menu1::release();
}

Class2& Class2::App()
{
    return *instance();
}

platform::PrefsMenuItem& Class2::Prefs()
{
    return Menu1::shared().Prefs();
}

void Class2::Event_Open()
{
    // The start music is read on the side while the first window is built.
    Media::readAhead("allegro");
    // The simple set, until the play window loads its own.
    SoundBoard::writeSimple();
}

void Class2::openDefaultWindow()
{
    Window3::shared();
}

void Class2::releaseAtExit()
{
    Module1::B_Sound.fill(nullptr);
    Media::release();
}
