// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/sound_output.h"

#include "platform/audio/audio_mixer.h"

namespace platform {
namespace {

class Silence : public SoundOutput {
  public:
    void play(const void*, const Movie*, bool) override {}
    void stop(const void*) override {}
    bool playing(const void*) const override { return false; }
};

std::unique_ptr<SoundOutput>& installed()
{
    static std::unique_ptr<SoundOutput> output;
    return output;
}

} // namespace

SoundOutput& SoundOutput::current()
{
    if (installed())
        return *installed();
    if (AudioMixer* mixer = AudioMixer::shared())
        return *mixer;
    static Silence silence;
    return silence;
}

void SoundOutput::install(std::unique_ptr<SoundOutput> output)
{
    installed() = std::move(output);
}

} // namespace platform
