// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/class2.h"

#include "app/menu1.h"
#include "media/media.h"
#include "play/play_window.h"
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
    Module1::language = platform::Language::use(platform::Language::fromSystem());
    Module1::B_Sound.fill(nullptr);
    setMenuBar(&Menu1::shared());
    Window1::setCallbacks(&flow_);
}

Class2::~Class2()
{
    Window1::setCallbacks(nullptr);
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
