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
// Room made up front, so the realtime thread never allocates: voices (one per player).
constexpr std::size_t kVoices = 16;
// The mix keeps where it stood every 1.5 ms, over the last 90 ms: more than any server keeps
// queued, so a new sound can start in what is sent again rather than behind it.
constexpr std::size_t kBlockFrames = 64;
constexpr std::size_t kMarks = 64;
constexpr std::size_t kMostBack = (kMarks - 1) * kBlockFrames;
constexpr std::size_t kNoFrame = std::size_t(-1);
constexpr float kFullScale = 32768.0f;
// A phrase cut by the next fades out over 5 ms: no click, no overlap.
constexpr std::size_t kCutFrames = Movie::SampleRate / 200;
// Under speech, the effects drop by 9 dB, gliding over 10 ms each way, so that the words are
// clearly heard and the press's own sound still is.
constexpr float kDuckGain = 0.355f;
constexpr float kDuckStep = (1.0f - kDuckGain) / (Movie::SampleRate / 100);
constexpr float kLargestSample = 32767.0f;

} // namespace

struct VoiceMix::Mark {
    std::size_t frame;
    std::vector<Voice> voices;
    std::vector<float> tail;
    std::size_t tailAt;
    float duck;
    Leveller::Moment leveller;
    PeakLimiter limiter;
};

VoiceMix::VoiceMix()
{
    voices_.reserve(kVoices);
    accumulator_.reserve(kBlockFrames);
    tail_.assign(kCutFrames, 0.0f);
    marks_.reserve(kMarks);
    for (std::size_t i = 0; i < kMarks; ++i) {
        marks_.push_back(
            {kNoFrame, {}, tail_, 0, 1.0f, {}, {Movie::SampleRate, kCeilingDbTruePeak}});
        marks_.back().voices.reserve(kVoices);
    }
    startAfresh();
}

VoiceMix::~VoiceMix() = default;

std::size_t VoiceMix::play(const void* owner, const Movie* movie, bool loop, std::size_t unplayed)
{
    std::lock_guard<InheritingMutex> lock(mutex_);
    const bool sounds = movie && !movie->samples().empty();
    const std::size_t back = sounds ? goBack(unplayed) : 0;
    dropVoicesOf(owner);
    if (sounds)
        voices_.push_back({owner, movie, 0, loop});
    changedAt_ = mixed_;
    return back;
}

void VoiceMix::stop(const void* owner)
{
    std::lock_guard<InheritingMutex> lock(mutex_);
    dropVoicesOf(owner);
    // A stopped voice's clip may go at once: no going back to where it still sounded.
    changedAt_ = mixed_;
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
    for (Mark& mark : marks_)
        mark.frame = kNoFrame;
    mixed_ = 0;
    changedAt_ = 0;
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
    for (std::size_t done = 0; done < frames;) {
        if (mixed_ % kBlockFrames == 0)
            keepMark();
        const std::size_t block = std::min(kBlockFrames - mixed_ % kBlockFrames, frames - done);
        mixBlock(out + done, block);
        done += block;
        mixed_ += block;
    }
    return sounded;
}

void VoiceMix::keepMark()
{
    // Copies into room already made: no allocation on the realtime thread.
    Mark& mark = marks_[mixed_ / kBlockFrames % kMarks];
    mark.frame = mixed_;
    mark.voices = voices_;
    mark.tail = tail_;
    mark.tailAt = tailAt_;
    mark.duck = duck_;
    mark.leveller = leveller_->moment();
    mark.limiter = *limiter_;
}

std::size_t VoiceMix::goBack(std::size_t frames)
{
    const std::size_t earliest =
        std::max(changedAt_, mixed_ - std::min({frames, mixed_, kMostBack}));
    const std::size_t at = (earliest + kBlockFrames - 1) / kBlockFrames * kBlockFrames;
    const Mark& mark = marks_[at / kBlockFrames % kMarks];
    if (at >= mixed_ || mark.frame != at)
        return 0;
    voices_ = mark.voices;
    tail_ = mark.tail;
    tailAt_ = mark.tailAt;
    duck_ = mark.duck;
    leveller_->resume(mark.leveller);
    *limiter_ = mark.limiter;
    const std::size_t back = mixed_ - at;
    mixed_ = at;
    return back;
}

void VoiceMix::mixBlock(std::int16_t* out, std::size_t frames)
{
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
}

} // namespace platform
