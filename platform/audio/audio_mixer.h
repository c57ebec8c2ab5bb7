// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/audio/sound_output.h"
#include "platform/audio/voice_mix.h"

#include <memory>

namespace platform {

class SoundLink;

// One sound output shared by every player: each player is a voice, mixed into one stream that
// the sound server pulls from as fast as it plays, so a press is heard within milliseconds and
// the sound stays whole while the window is busy. When the sound server goes away, play goes on
// silently, and the sound comes back by itself with the server.
class AudioMixer : public SoundOutput {
  public:
    // Made on first use; without a sound server it stays silent and says so once on stderr.
    static AudioMixer* shared();
    static void shutdown();

    void play(const void* owner, const Movie* movie, bool loop) override;
    void stop(const void* owner) override;
    bool playing(const void* owner) const override;

  private:
    AudioMixer();
    ~AudioMixer() override;

    VoiceMix voices_;
    std::unique_ptr<SoundLink> link_;
};

} // namespace platform
