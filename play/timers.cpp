// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/play_window.h"

#include "platform/timer.h"

void Window1::Timer1_Action()
{
    Timer2->setMode(platform::Timer::ModeMultiple);
}

void Window1::Timer2_Action()
{
    mouse_Pressed();
}
