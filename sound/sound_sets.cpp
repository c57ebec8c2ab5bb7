// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/sound_sets.h"

#include "media/media.h"
#include "platform/movie_player.h"
#include "play/play_window.h"
#include "settings/module1.h"

namespace SoundSets {

void writeSimple()
{
    Module1::B_Sound[1] = Media::Basso();
    Module1::B_Sound[2] = Media::Ping();
    Module1::B_Sound[3] = Media::Glass();
    Module1::B_Sound[4] = Media::Basso();
    Module1::B_Sound[5] = Media::Blow();
    Module1::B_Sound[6] = Media::Submarine();
}

void writeComplex()
{
    Module1::B_Sound[1] = Media::QuillomoSound20();
    Module1::B_Sound[2] = Media::QuillomoSound24();
    Module1::B_Sound[3] = Media::QuillomoSound15();
    Module1::B_Sound[4] = Media::QuillomoSound16();
    Module1::B_Sound[5] = Media::QuillomoSound9();
    Module1::B_Sound[6] = Media::QuillomoSound14();
    Module1::B_Sound[7] = Media::QuillomoSound21();
    Module1::B_Sound[8] = Media::QuillomoSound13();
}

void writeRecognizable()
{
    Module1::B_Sound[1] = Media::realBoing();
    Module1::B_Sound[2] = Media::realBubbles();
    Module1::B_Sound[3] = Media::realGiantbell();
    Module1::B_Sound[4] = Media::realRubberDuckToy();
    Module1::B_Sound[5] = Media::realZips();
    Module1::B_Sound[6] = Media::QuillomoSound13();
}

void applySoundComplexity()
{
    Window1& play = Window1::shared();
    if (Module1::soundComplexity == "simple") {
        writeSimple();
        Module1::soundNumber = 6;
    } else if (Module1::soundComplexity == "complex") {
        writeComplex();
        play.MoviePlayer7->setMovie(Module1::B_Sound[7]);
        play.MoviePlayer8->setMovie(Module1::B_Sound[8]);
        Module1::soundNumber = 8;
    } else if (Module1::soundComplexity == "recognizable") {
        writeRecognizable();
        Module1::soundNumber = 6;
    }
    for (int k = 1; k <= 6; ++k)
        play.player(k).setMovie(Module1::B_Sound[k]);
}

} // namespace SoundSets
