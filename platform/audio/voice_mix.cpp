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
// A phrase cut by the next fades out over 5 ms: no click, no overlap.
constexpr std::size_t kCutFrames = Movie::SampleRate / 200;
// Under speech, the effects drop by 9 dB, gliding over 10 ms each way, so that the words are
// clearly heard and the press's own sound still is.
constexpr float kDuckGain = 0.355f;
constexpr float kDuckStep = (1.0f - kDuckGain) / (Movie::SampleRate / 100);
constexpr float kLargestSample = 32767.0f;

} // namespace

VoiceMix::VoiceMix()
{
    voices_.reserve(kVoices);
    accumulator_.reserve(kFrames);
    tail_.assign(kCutFrames, 0.0f);
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
    std::fill(tail_.begin(), tail_.end(), 0.0f);
    duck_ = 1.0f;
    leveller_ = std::make_unique<Leveller>(Movie::SampleRate);
    limiter_ = std::make_unique<PeakLimiter>(Movie::SampleRate, kCeilingDbTruePeak);
}

void VoiceMix::dropVoicesOf(const void* owner)
{
    for (const Voice& voice : voices_) {
        if (voice.owner != owner || !voice.movie->isSpoken())
            continue;
        const auto& samples = voice.movie->samples();
        for (std::size_t i = 0; i < kCutFrames && voice.position + i < samples.size(); ++i)
            tail_[(tailAt_ + i) % kCutFrames] +=
                samples[voice.position + i] / kFullScale * float(kCutFrames - i) / kCutFrames;
    }
    voices_.erase(std::remove_if(voices_.begin(), voices_.end(),
                                 [owner](const Voice& v) { return v.owner == owner; }),
                  voices_.end());
}

bool VoiceMix::mix(std::int16_t* out, std::size_t frames)
{
    std::lock_guard<InheritingMutex> lock(mutex_);
    const bool sounded = !voices_.empty();
    accumulator_.assign(frames, 0.0f);
    const bool speaking = std::any_of(voices_.begin(), voices_.end(),
                                      [](const Voice& v) { return v.movie->isSpoken(); });
    for (std::size_t i = 0; i < frames; ++i) {
        accumulator_[i] += tail_[tailAt_];
        tail_[tailAt_] = 0.0f;
        tailAt_ = (tailAt_ + 1) % kCutFrames;
    }
    for (Voice& voice : voices_) {
        const auto& samples = voice.movie->samples();
        const bool spoken = voice.movie->isSpoken();
        float duck = duck_;
        for (std::size_t i = 0; i < frames; ++i) {
            if (voice.position >= samples.size()) {
                if (!voice.loop)
                    break;
                voice.position = 0;
            }
            float gain = 1.0f;
            if (!spoken) {
                duck = speaking ? std::max(kDuckGain, duck - kDuckStep)
                                : std::min(1.0f, duck + kDuckStep);
                gain = duck;
            }
            accumulator_[i] += samples[voice.position++] / kFullScale * gain;
        }
    }
    duck_ = speaking ? std::max(kDuckGain, duck_ - kDuckStep * frames)
                     : std::min(1.0f, duck_ + kDuckStep * frames);
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
