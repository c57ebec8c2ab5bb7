// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/voice_mix.h"

#include "platform/audio/leveller.h"
#include "platform/audio/movie.h"
#include "platform/audio/peak_limiter.h"

#include <algorithm>
#include <cmath>
#include <mutex>

namespace platform {
namespace {

// No peak of the sum comes near full scale, even between samples, as small ears deserve.
constexpr double kCeilingDbTruePeak = -1.0;
// Room made up front, so the realtime thread never allocates: voices (one per player), and
// frames of one pull.
constexpr std::size_t kVoices = 16;
constexpr std::size_t kFrames = 8192;
constexpr float kFullScale = 32768.0f;
constexpr float kLargestSample = 32767.0f;

} // namespace

VoiceMix::VoiceMix()
{
    voices_.reserve(kVoices);
    accumulator_.reserve(kFrames);
    startAfresh();
}

VoiceMix::~VoiceMix() = default;

void VoiceMix::play(const void* owner, const Movie* movie, bool loop)
{
    std::lock_guard<InheritingMutex> lock(mutex_);
    dropVoicesOf(owner);
    if (movie && !movie->samples().empty())
        voices_.push_back({owner, movie, 0, loop});
}

void VoiceMix::stop(const void* owner)
{
    std::lock_guard<InheritingMutex> lock(mutex_);
    dropVoicesOf(owner);
}

bool VoiceMix::playing(const void* owner) const
{
    std::lock_guard<InheritingMutex> lock(mutex_);
    return std::any_of(voices_.begin(), voices_.end(),
                       [owner](const Voice& v) { return v.owner == owner; });
}

bool VoiceMix::silent() const
{
    std::lock_guard<InheritingMutex> lock(mutex_);
    return voices_.empty();
}

void VoiceMix::startAfresh()
{
    std::lock_guard<InheritingMutex> lock(mutex_);
    voices_.erase(
        std::remove_if(voices_.begin(), voices_.end(), [](const Voice& v) { return !v.loop; }),
        voices_.end());
    leveller_ = std::make_unique<Leveller>(Movie::SampleRate);
    limiter_ = std::make_unique<PeakLimiter>(Movie::SampleRate, kCeilingDbTruePeak);
}

void VoiceMix::dropVoicesOf(const void* owner)
{
    voices_.erase(std::remove_if(voices_.begin(), voices_.end(),
                                 [owner](const Voice& v) { return v.owner == owner; }),
                  voices_.end());
}

bool VoiceMix::mix(std::int16_t* out, std::size_t frames)
{
    std::lock_guard<InheritingMutex> lock(mutex_);
    const bool sounded = !voices_.empty();
    accumulator_.assign(frames, 0.0f);
    for (Voice& voice : voices_) {
        const auto& samples = voice.movie->samples();
        for (std::size_t i = 0; i < frames; ++i) {
            if (voice.position >= samples.size()) {
                if (!voice.loop)
                    break;
                voice.position = 0;
            }
            accumulator_[i] += samples[voice.position++] / kFullScale;
        }
    }
    voices_.erase(std::remove_if(voices_.begin(), voices_.end(),
                                 [](const Voice& v) {
                                     return !v.loop && v.position >= v.movie->samples().size();
                                 }),
                  voices_.end());
    leveller_->process(accumulator_.data(), frames);
    limiter_->process(accumulator_.data(), frames);
    for (std::size_t i = 0; i < frames; ++i)
        out[i] =
            std::int16_t(std::lround(std::clamp(accumulator_[i], -1.0f, 1.0f) * kLargestSample));
    return sounded;
}

} // namespace platform
