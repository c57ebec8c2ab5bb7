// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/audio/sound_output.h"

#include <set>
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
            sounding.insert(owner);
    }
    void stop(const void* owner) override { sounding.erase(owner); }
    bool playing(const void* owner) const override { return sounding.count(owner) > 0; }

    std::vector<Played> played;
    std::set<const void*> sounding;
};
