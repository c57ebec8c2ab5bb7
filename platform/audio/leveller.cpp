// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/leveller.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// The mix is held near this, a little above one sound (levelled to -18 LUFS), measured over
// the last 400 ms. A burst of new sounds is caught sooner over the last 100 ms, a little higher.
constexpr double kMostLufs = -17.0;
constexpr unsigned long kWindowMs = 400;
constexpr unsigned long kOnsetWindowMs = 100;
constexpr double kOnsetAboveLu = 3.0;
constexpr double kMeasureEverySeconds = 0.005;
constexpr double kAttackSeconds = 0.02;
constexpr double kReleaseSeconds = 0.5;

float smoothing(int sampleRate, double seconds)
{
    return float(std::exp(-1.0 / (seconds * sampleRate)));
}

} // namespace

Leveller::Leveller(int sampleRate)
    : meter_(ebur128_init(1, unsigned(sampleRate), EBUR128_MODE_M)),
      measureEvery_(std::size_t(kMeasureEverySeconds * sampleRate)),
      attack_(smoothing(sampleRate, kAttackSeconds)),
      release_(smoothing(sampleRate, kReleaseSeconds))
{
}

Leveller::~Leveller()
{
    if (meter_)
        ebur128_destroy(&meter_);
}

void Leveller::process(float* samples, std::size_t count)
{
    if (!meter_)
        return;
    ebur128_add_frames_float(meter_, samples, count);
    sinceMeasured_ += count;
    if (sinceMeasured_ >= measureEvery_) {
        sinceMeasured_ = 0;
        double lufs = -HUGE_VAL;
        double onset = -HUGE_VAL;
        ebur128_loudness_window(meter_, kWindowMs, &lufs);
        ebur128_loudness_window(meter_, kOnsetWindowMs, &onset);
        const double over = std::max(lufs - kMostLufs, onset - kMostLufs - kOnsetAboveLu);
        target_ = over > 0 ? float(std::pow(10.0, -over / 20)) : 1.0f;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const float keep = target_ < gain_ ? attack_ : release_;
        gain_ = target_ + (gain_ - target_) * keep;
        samples[i] *= gain_;
    }
}

void Leveller::resume(const Moment& moment)
{
    target_ = moment.target;
    gain_ = moment.gain;
    sinceMeasured_ = moment.sinceMeasured;
}

} // namespace platform
