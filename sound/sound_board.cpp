// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/sound_board.h"

#include "drawing/random_draw.h"
#include "media/media.h"
#include "platform/ui/movie_player.h"
#include "settings/module1.h"

namespace {

// The simple and recognizable sets fill six slots; the complex set eight.
constexpr std::int32_t kSmallSet = 6;
constexpr std::int32_t kLargeSet = 8;

} // namespace

SoundBoard::SoundBoard(const Players& players) : players_(players) {}

void SoundBoard::writeSimple()
{
    Module1::B_Sound[1] = Media::Basso();
    Module1::B_Sound[2] = Media::Ping();
    Module1::B_Sound[3] = Media::Glass();
    Module1::B_Sound[4] = Media::Basso();
    Module1::B_Sound[5] = Media::Blow();
    Module1::B_Sound[6] = Media::Submarine();
}

void SoundBoard::writeComplex()
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

void SoundBoard::writeRecognizable()
{
    Module1::B_Sound[1] = Media::realBoing();
    Module1::B_Sound[2] = Media::realBubbles();
    Module1::B_Sound[3] = Media::realGiantbell();
    Module1::B_Sound[4] = Media::realRubberDuckToy();
    Module1::B_Sound[5] = Media::realZips();
    Module1::B_Sound[6] = Media::QuillomoSound13();
}

void SoundBoard::loadDefault()
{
    Module1::soundNumber = kSmallSet;
    writeComplex();
    loadPlayers(1, kSmallSet);
}

void SoundBoard::loadChosen()
{
    if (Module1::soundComplexity == "simple") {
        writeSimple();
        Module1::soundNumber = kSmallSet;
    } else if (Module1::soundComplexity == "complex") {
        writeComplex();
        loadPlayers(kSmallSet + 1, kLargeSet);
        Module1::soundNumber = kLargeSet;
    } else if (Module1::soundComplexity == "recognizable") {
        writeRecognizable();
        Module1::soundNumber = kSmallSet;
    }
    loadPlayers(1, kSmallSet);
}

std::int32_t SoundBoard::playNext(std::int32_t last)
{
    std::int32_t n = last + 1;
    if (n > Module1::soundNumber)
        n = 1;
    if (n >= 1 && n <= kPlayers)
        player(n).Play();
    return n;
}

void SoundBoard::playAny()
{
    const std::int32_t n = randomDraw(Module1::soundNumber, 1);
    if (n >= 1 && n <= kPlayers)
        player(n).Play();
}

platform::MoviePlayer& SoundBoard::player(std::int32_t n) const
{
    return *players_[std::size_t(n - 1)];
}

void SoundBoard::loadPlayers(std::int32_t from, std::int32_t to)
{
    for (std::int32_t k = from; k <= to; ++k)
        player(k).setMovie(Module1::B_Sound[std::size_t(k)]);
}
