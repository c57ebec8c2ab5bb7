// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <ebur128.h>

namespace platform {

// Keeps many sounds at once about as loud as one: a compressor on the loudness of the moment
// (as ears hear it, through libebur128), quick to come down, slow to come back.
class Leveller {
  public:
    explicit Leveller(int sampleRate);
    ~Leveller();
    Leveller(const Leveller&) = delete;
    Leveller& operator=(const Leveller&) = delete;

    void process(float* samples, std::size_t count);

    // Where the gain stands, to go back to when a stretch is mixed again. The meter keeps what
    // it heard: a stretch of a few milliseconds heard twice hardly moves a 100 ms window.
    struct Moment {
        float target;
        float gain;
        std::size_t sinceMeasured;
    };
    Moment moment() const { return {target_, gain_, sinceMeasured_}; }
    void resume(const Moment& moment);

  private:
    ebur128_state* meter_;
    std::size_t sinceMeasured_ = 0;
    std::size_t measureEvery_;
    float target_ = 1.0f;
    float gain_ = 1.0f;
    float attack_;
    float release_;
};

} // namespace platform
