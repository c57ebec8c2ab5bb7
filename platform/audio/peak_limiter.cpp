// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/peak_limiter.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kReleaseSeconds = 0.1;
// The peaks between samples are estimated, not known: the limiter aims this much lower.
constexpr double kMarginDb = 0.2;

} // namespace

PeakLimiter::PeakLimiter(int sampleRate, double ceilingDb)
    : ceiling_(float(std::pow(10.0, (ceilingDb - kMarginDb) / 20))),
      release_(float(std::exp(-1.0 / (kReleaseSeconds * sampleRate)))), delay_(latency(), 0.0f)
{
    // A windowed-sinc low-pass at the original band's edge, split into one set of taps for each
    // of the four points between two samples.
    constexpr std::size_t length = kPhases * kTaps;
    const double centre = (length - 1) / 2.0;
    for (std::size_t phase = 0; phase < kPhases; ++phase) {
        double sum = 0;
        for (std::size_t tap = 0; tap < kTaps; ++tap) {
            const std::size_t j = tap * kPhases + phase;
            const double x = (j - centre) / kPhases;
            const double sinc = std::sin(kPi * x) / (kPi * x);
            const double blackman = 0.42 - 0.5 * std::cos(2 * kPi * (j + 0.5) / length) +
                                    0.08 * std::cos(4 * kPi * (j + 0.5) / length);
            phases_[phase][tap] = float(sinc * blackman);
            sum += sinc * blackman;
        }
        for (float& tap : phases_[phase])
            tap = float(tap / sum);
    }
    needed_.fill(1.0f);
    ramp_.fill(1.0f);
}

float PeakLimiter::truePeak(float sample)
{
    recent_[recentAt_] = sample;
    recent_[recentAt_ + kTaps] = sample;
    const float* newest = &recent_[recentAt_ + kTaps];
    recentAt_ = (recentAt_ + 1) % kTaps;
    float top = std::fabs(newest[-std::ptrdiff_t(kInterpolationDelay)]);
    for (const auto& taps : phases_) {
        float value = 0;
        for (std::size_t k = 0; k < kTaps; ++k)
            value += taps[k] * newest[-std::ptrdiff_t(k)];
        top = std::max(top, std::fabs(value));
    }
    return top;
}

float PeakLimiter::heldGain()
{
    // Most of the time nothing in sight needs turning down.
    if (sinceNeeded_ > kLookAhead)
        return 1.0f;
    return *std::min_element(needed_.begin(), needed_.end());
}

void PeakLimiter::process(float* samples, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const float peak = truePeak(samples[i]);
        const float need = peak > ceiling_ ? ceiling_ / peak : 1.0f;
        needed_[neededAt_] = need;
        neededAt_ = (neededAt_ + 1) % needed_.size();
        if (need < 1.0f)
            sinceNeeded_ = 0;
        else if (sinceNeeded_ <= kLookAhead)
            ++sinceNeeded_;

        // Down at once to what the next peak needs, back up slowly; the running mean over the
        // look-ahead turns the step into a ramp that has arrived when the peak does.
        const float hold = heldGain();
        envelope_ = hold < envelope_ ? hold : hold + (envelope_ - hold) * release_;
        rampSum_ += envelope_ - ramp_[rampAt_];
        ramp_[rampAt_] = envelope_;
        rampAt_ = (rampAt_ + 1) % kLookAhead;

        const float late = delay_[delayAt_];
        delay_[delayAt_] = samples[i];
        delayAt_ = (delayAt_ + 1) % delay_.size();
        samples[i] = late * float(std::min(1.0, rampSum_ / kLookAhead));
    }
}

} // namespace platform
