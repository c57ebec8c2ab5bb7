// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/audio/sound_output.h"

#include <algorithm>
#include <vector>

// Hears what the players play, in order.
class RecordingSoundOutput : public platform::SoundOutput {
  public:
    struct Played {
        const void* owner;
        const platform::Movie* movie;
        bool loop;
    };

    void play(const void* owner, const platform::Movie* movie, bool loop) override
    {
        played.push_back({owner, movie, loop});
        stop(owner);
        if (movie)
            sounding.push_back(owner);
    }
    void stop(const void* owner) override
    {
        sounding.erase(std::remove(sounding.begin(), sounding.end(), owner), sounding.end());
    }
    bool playing(const void* owner) const override
    {
        return std::find(sounding.begin(), sounding.end(), owner) != sounding.end();
    }

    std::vector<Played> played;
    std::vector<const void*> sounding;
};
