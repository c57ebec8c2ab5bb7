// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/audio/inheriting_mutex.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class Leveller;
class Movie;
class PeakLimiter;

// The voices that sound at once, one per player, mixed into one stream: levelled so that many
// are about as loud as one, and kept under a true-peak ceiling. Players start and stop voices
// from any thread; the stream is taken from the sound thread.
class VoiceMix {
  public:
    VoiceMix();
    ~VoiceMix();

    // A player's new voice replaces its old one. Where the stream's last unplayed frames may be
    // sent again, the mix goes back by up to that many, to where it was then, and the voice
    // starts there; returns how many frames it went back, to be taken again.
    std::size_t play(const void* owner, const Movie* movie, bool loop, std::size_t unplayed = 0);
    void stop(const void* owner);
    bool playing(const void* owner) const;
    bool silent() const;

    // The next frames of the stream; a voice that reaches its end is gone. True when a voice
    // sounded. Called on a sound server's realtime thread: a player holding the voices is
    // lifted to its priority, and holds them only to add or drop one.
    bool mix(std::int16_t* out, std::size_t frames);
    // A fresh output starts from silence: nothing of what was levelled before carries over, and
    // a sound started while there was no output is not heard late; a looping one goes on.
    void startAfresh();

  private:
    // With mutex_ held. Speech that is cut fades out from its tail, a copy, so that its clip
    // may go at once.
    void dropVoicesOf(const void* owner);
    void mixBlock(std::int16_t* out, std::size_t frames);
    void keepMark();
    // Back to the earliest mark within frames and after the last change; how far it went.
    std::size_t goBack(std::size_t frames);

    struct Voice {
        const void* owner;
        const Movie* movie;
        std::size_t position;
        bool loop;
    };
    mutable InheritingMutex mutex_;
    std::vector<Voice> voices_;
    std::vector<float> accumulator_;
    std::vector<float> tail_;
    std::size_t tailAt_ = 0;
    // What the sounds other than speech are multiplied by, gliding down while speech sounds.
    float duck_ = 1.0f;
    std::unique_ptr<Leveller> leveller_;
    std::unique_ptr<PeakLimiter> limiter_;
    // The mix as it was at the start of each of the last blocks of the stream.
    struct Mark;
    std::vector<Mark> marks_;
    std::size_t mixed_ = 0;
    // No mark before a voice came or went holds the voices as they are.
    std::size_t changedAt_ = 0;
};

} // namespace platform
