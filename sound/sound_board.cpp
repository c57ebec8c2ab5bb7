// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/sound_board.h"

#include "drawing/random_draw.h"
#include "media/media.h"
#include "platform/ui/movie_player.h"
#include "settings/module1.h"

#include <initializer_list>

namespace {

// The simple and recognizable sets fill six slots; the complex set eight.
constexpr std::int32_t kSmallSet = 6;
constexpr std::int32_t kLargeSet = 8;

// A set into the sound table from slot 1 on; the slots after it keep what they held.
void write(std::initializer_list<const platform::Movie*> sounds)
{
    std::size_t slot = 1;
    for (const platform::Movie* sound : sounds)
        Module1::B_Sound[slot++] = sound;
}

} // namespace

SoundBoard::SoundBoard(const Players& players) : players_(players) {}

void SoundBoard::writeSimple()
{
    write({Media::Basso(), Media::Ping(), Media::Glass(), Media::Basso(), Media::Blow(),
           Media::Submarine()});
}

void SoundBoard::writeComplex()
{
    write({Media::QuillomoSound20(), Media::QuillomoSound24(), Media::QuillomoSound15(),
           Media::QuillomoSound16(), Media::QuillomoSound9(), Media::QuillomoSound14(),
           Media::QuillomoSound21(), Media::QuillomoSound13()});
}

void SoundBoard::writeRecognizable()
{
    write({Media::realBoing(), Media::realBubbles(), Media::realGiantbell(),
           Media::realRubberDuckToy(), Media::realZips(), Media::QuillomoSound13()});
}

void SoundBoard::loadDefault()
{
    Module1::soundNumber = kSmallSet;
    writeComplex();
    loadPlayers(1, kSmallSet);
}

void SoundBoard::loadChosen()
{
    if (Module1::soundComplexity == Word::simple) {
        writeSimple();
        Module1::soundNumber = kSmallSet;
    } else if (Module1::soundComplexity == Word::complex) {
        writeComplex();
        loadPlayers(kSmallSet + 1, kLargeSet);
        Module1::soundNumber = kLargeSet;
    } else if (Module1::soundComplexity == Word::recognizable) {
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
    play(n);
    return n;
}

void SoundBoard::playAny()
{
    play(randomDraw(Module1::soundNumber, 1));
}

void SoundBoard::play(std::int32_t n) const
{
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
