// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/audio_mixer.h"

#include "platform/audio/sound_link.h"

#include <cstdio>

namespace platform {
namespace {

AudioMixer*& instance()
{
    static AudioMixer* mixer = nullptr;
    return mixer;
}

bool& closedForGood()
{
    static bool closed = false;
    return closed;
}

} // namespace

AudioMixer* AudioMixer::shared()
{
    if (!instance() && !closedForGood())
        instance() = new AudioMixer;
    return instance();
}

void AudioMixer::shutdown()
{
    delete instance();
    instance() = nullptr;
    // Players that go after this hear nothing; they must not bring a new mixer up.
    closedForGood() = true;
}

AudioMixer::AudioMixer()
    : link_(std::make_unique<SoundLink>(
          systemSoundDevices(),
          [this](std::int16_t* out, std::size_t frames) { return voices_.mix(out, frames); },
          [this] { voices_.startAfresh(); },
          [](const std::string& line) { std::fprintf(stderr, "tumbletot: %s\n", line.c_str()); }))
{
}

AudioMixer::~AudioMixer() = default;

void AudioMixer::play(const void* owner, const Movie* movie, bool loop)
{
    link_->resend([&](std::size_t unplayed) { return voices_.play(owner, movie, loop, unplayed); });
    if (voices_.playing(owner))
        link_->wake();
}

void AudioMixer::stop(const void* owner)
{
    voices_.stop(owner);
}

bool AudioMixer::playing(const void* owner) const
{
    return voices_.playing(owner);
}

} // namespace platform
