// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// Small building blocks for the toy's sounds: every clip is a buffer of doubles in [-1, 1].
namespace synth {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

using Buffer = std::vector<double>;

// A repeatable noise source, so that every build makes the same files.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double white(); // uniform in [-1, 1)
    double uniform(double a, double b);

  private:
    std::uint32_t state_;
};

Buffer silence(double seconds);
std::size_t samplesFor(double seconds);

// A tone whose frequency and loudness follow functions of time in seconds.
Buffer tone(double seconds, const std::function<double(double)>& frequency,
            const std::function<double(double)>& amplitude,
            const std::vector<double>& harmonics = {1.0});

// Percussive envelope: linear attack, exponential decay with the given time constant.
double strike(double t, double attack, double decay);
// Smooth rise and fall, as of breath.
double swell(double t, double rise, double length);

// Two-pole resonant band-pass, its centre moving with time.
Buffer bandPass(const Buffer& in, const std::function<double(double)>& centre, double q);
Buffer lowPass(const Buffer& in, double cutoff);
// Second-order high-pass; at the default Q a Butterworth one.
Buffer highPass(const Buffer& in, double cutoff, double q = 0.7071067811865476);

// Adds source into target from the given second on, scaled.
void mixInto(Buffer& target, const Buffer& source, double at, double gain = 1.0);

} // namespace synth
