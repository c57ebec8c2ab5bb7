// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/movie_player.h"

#include "platform/audio/sound_output.h"

namespace platform {

MoviePlayer::MoviePlayer(Window& owner, std::string name, bool looping)
    : Control(owner, std::move(name), {}, nullptr), looping_(looping)
{
}

MoviePlayer::~MoviePlayer()
{
    Stop();
}

void MoviePlayer::Play()
{
    SoundOutput::current().play(this, movie_, looping_);
}

void MoviePlayer::Stop()
{
    SoundOutput::current().stop(this);
}

} // namespace platform
