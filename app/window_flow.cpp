// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_flow.h"

#include "platform/ui/movie_player.h"
#include "settings/preferences_window.h"
#include "startscreen/start_screen.h"

void WindowFlow::showPreferences()
{
    Window2::shared().Show();
}

void WindowFlow::silenceStartScreen()
{
    Window3::shared().MoviePlayer1->Stop();
}

void WindowFlow::showStartScreen()
{
    Window3::shared().Show();
}
