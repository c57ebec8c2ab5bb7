// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/random_draw.h"
#include "platform/movie_player.h"
#include "play/play_window.h"
#include "settings/module1.h"
#include "sound/sound_sets.h"

void Window1::defaultsettings()
{
    Module1::soundNumber = 6;
    SoundSets::writeComplex();
    for (int k = 1; k <= 6; ++k)
        player(k).setMovie(Module1::B_Sound[k]);
}

void Window1::play_Rotation()
{
    playing = playing + 1;
    if (playing > Module1::soundNumber)
        playing = 1;
    if (playing >= 1 && playing <= 8)
        player(playing).Play();
}

void Window1::playSound()
{
    const std::int32_t n = randomDraw(Module1::soundNumber, 1);
    if (n >= 1 && n <= 8)
        player(n).Play();
}
