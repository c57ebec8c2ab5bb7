// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// A sound clip, held decoded in memory so that playing it costs nothing but mixing.
class Movie {
  public:
    static constexpr int SampleRate = 44100;

    // Reads a 16-bit PCM WAV file; on failure returns nullptr and says why in error.
    static std::unique_ptr<Movie> load(const std::string& path, std::string& error);
    static std::unique_ptr<Movie> fromSamples(std::vector<std::int16_t> samples);
    // Speech: the mix lowers the other sounds under it, and fades it out when it is cut.
    static std::unique_ptr<Movie> spoken(std::vector<std::int16_t> samples);
    bool isSpoken() const { return spoken_; }

    const std::vector<std::int16_t>& samples() const { return samples_; }
    double seconds() const { return double(samples_.size()) / SampleRate; }

  private:
    Movie(std::vector<std::int16_t> samples, bool spoken)
        : samples_(std::move(samples)), spoken_(spoken)
    {
    }

    std::vector<std::int16_t> samples_; // mono at SampleRate
    bool spoken_;
};

} // namespace platform
