// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/play_window.h"

#include "app/menu1.h"
#include "platform/canvas.h"
#include "platform/movie_player.h"
#include "platform/prefs_menu_item.h"
#include "platform/runtime.h"
#include "platform/shared_window.h"
#include "platform/static_text.h"
#include "platform/timer.h"
#include "settings/preferences_window.h"
#include "startscreen/start_screen.h"

namespace {

constexpr platform::Rect kDesignBox{0, 0, 300, 300};
constexpr platform::Rect kCanvasBox{8, 7, 284, 284};
constexpr platform::Rect kHelpBox{3, 279, 394, 20};
constexpr int kTimer1Period = 1000;
constexpr int kTimer2Period = 1500;

const platform::TextStyle kHelpStyle{"System", 12, false, platform::RGB(0, 0, 0)};

} // namespace

Window1& Window1::shared()
{
    return platform::SharedWindow<Window1>::get();
}

bool Window1::isOpen()
{
    return platform::SharedWindow<Window1>::exists();
}

Window1::Window1() : platform::Window(kDesignBox, "Untitled")
{
    setFullScreen(true);
    setMenuBarVisible(false);
    // The desktop's close box does not end play; only the parent's Quit does.
    setCloseBoxCloses(false);
    // A child's Alt+Tab or Super key must not take it out of the toy.
    setHoldsKeyboard(true);

    Canvas1 = add<platform::Canvas>("Canvas1", kCanvasBox);
    Canvas1->setAnchors(platform::AnchorAll);
    Timer1 = add<platform::Timer>("Timer1", platform::Timer::ModeOff, kTimer1Period);
    Timer2 = add<platform::Timer>("Timer2", platform::Timer::ModeOff, kTimer2Period);
    platform::MoviePlayer** players[] = {&MoviePlayer1, &MoviePlayer2, &MoviePlayer3,
                                         &MoviePlayer4, &MoviePlayer5, &MoviePlayer6,
                                         &MoviePlayer7, &MoviePlayer8};
    for (int n = 1; n <= 8; ++n)
        *players[n - 1] = add<platform::MoviePlayer>("MoviePlayer" + std::to_string(n), false);
    StaticText1 = add<platform::StaticText>(
        "StaticText1", kHelpBox,
        "Press \u2318 + Shift + P for Preferences or \u2318 + Shift + Q to Quit", kHelpStyle);
    StaticText1->setAnchors(platform::AnchorLeft | platform::AnchorBottom);

    Canvas1->Paint = [this](platform::Graphics& g) { Canvas1_Paint(g); };
    Canvas1->Open = [this] { Canvas1_Open(); };
    Timer1->Action = [this] { Timer1_Action(); };
    Timer2->Action = [this] { Timer2_Action(); };
    StaticText1->Open = [this] { StaticText1_Open(); };
}

platform::MoviePlayer& Window1::player(int n) const
{
    return *control<platform::MoviePlayer>("MoviePlayer" + std::to_string(n));
}

void Window1::Canvas1_Paint(platform::Graphics&) {}

void Window1::Canvas1_Open()
{
    Screen_width = platform::Screen(0).Width;
    Screen_height = platform::Screen(0).Height;
}

void Window1::StaticText1_Open()
{
    if (!platform::menuKeyIsCommand())
        StaticText1->setText("Press Ctrl + Shift + P for Preferences or Ctrl + Shift + Q to Quit");
}

void Window1::AddMenuHandlers()
{
    addMenuHandler("Prefs", [this] { return Prefs_Action(); });
}

void Window1::Event_EnableMenuItems()
{
    Prefs().setEnable(true);
}

bool Window1::Prefs_Action()
{
    Window2::shared().Show();
    return false;
}

platform::PrefsMenuItem& Window1::Prefs()
{
    return Menu1::shared().Prefs();
}

void Window1::Event_Open()
{
    Window3::shared().MoviePlayer1->Stop();
    Screen_width = platform::Screen(0).Width;
    Screen_height = platform::Screen(0).Height;
    setBounds({0, 0, Screen_width, Screen_height});
    setPalette();
    Timer1->setMode(platform::Timer::ModeOff);
    Timer2->setMode(platform::Timer::ModeOff);
    // The settings are not put back to their defaults here: they hold them from the start,
    // and a parent's choices made on the first start screen must survive.
    lineCol = col_Black;
    Window3::shared().Show();
    setBackColor();
    defaultsettings();
}
