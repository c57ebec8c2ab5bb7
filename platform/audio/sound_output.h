// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace platform {

class Movie;

// Where the players' sounds go; tests install one that listens.
class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Starts the voice of owner from the beginning, replacing what it was playing.
    virtual void play(const void* owner, const Movie* movie, bool loop) = 0;
    virtual void stop(const void* owner) = 0;
    virtual bool playing(const void* owner) const = 0;

    // The installed output, else the sound device, else silence.
    static SoundOutput& current();
    static void install(std::unique_ptr<SoundOutput> output);
};

} // namespace platform
