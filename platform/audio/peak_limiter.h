// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace platform {

// Holds the sum under a ceiling that no peak passes, between samples too, so a sound server
// that resamples makes no overs either. It sees a little ahead and turns down smoothly before
// a peak, so nothing is bent or clicks; the sound comes out latency() samples late.
class PeakLimiter {
  public:
    PeakLimiter(int sampleRate, double ceilingDb);

    void process(float* samples, std::size_t count);
    static constexpr std::size_t latency() { return kLookAhead + kInterpolationDelay; }

  private:
    static constexpr std::size_t kPhases = 4;
    static constexpr std::size_t kTaps = 12;
    static constexpr std::size_t kInterpolationDelay = kTaps / 2;
    static constexpr std::size_t kLookAhead = 64;

    float truePeak(float sample);
    float heldGain();

    float ceiling_;
    float release_;
    std::array<std::array<float, kTaps>, kPhases> phases_{};
    std::array<float, 2 * kTaps> recent_{}; // every sample twice, so the taps read in one run
    std::size_t recentAt_ = 0;
    std::array<float, kLookAhead + 1> needed_{};
    std::size_t neededAt_ = 0;
    std::size_t sinceNeeded_ = kLookAhead + 1;
    std::array<float, kLookAhead> ramp_{};
    std::size_t rampAt_ = 0;
    double rampSum_ = kLookAhead;
    float envelope_ = 1.0f;
    std::vector<float> delay_;
    std::size_t delayAt_ = 0;
};

} // namespace platform
