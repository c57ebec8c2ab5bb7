// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth.h"

#include <algorithm>
#include <cmath>

namespace synth {

double Noise::white()
{
    // xorshift32
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_ / 2147483648.0 - 1.0;
}

double Noise::uniform(double a, double b)
{
    return a + (white() + 1.0) / 2.0 * (b - a);
}

std::size_t samplesFor(double seconds)
{
    return static_cast<std::size_t>(std::lround(seconds * kRate));
}

Buffer silence(double seconds)
{
    return Buffer(samplesFor(seconds), 0.0);
}

Buffer tone(double seconds, const std::function<double(double)>& frequency,
            const std::function<double(double)>& amplitude, const std::vector<double>& harmonics)
{
    Buffer out = silence(seconds);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double f = frequency(t);
        double value = 0;
        for (std::size_t h = 0; h < harmonics.size(); ++h) {
            // Partials above the audible band would only fold back as noise.
            if (f * (h + 1) < kRate / 2.2)
                value += harmonics[h] * std::sin(phase * (h + 1));
        }
        out[i] = value * amplitude(t);
        phase += 2 * kPi * f / kRate;
        if (phase > 2 * kPi * 1000)
            phase = std::fmod(phase, 2 * kPi);
    }
    // A note cut off while still sounding would click.
    const std::size_t fade = std::min(out.size(), samplesFor(0.004));
    for (std::size_t i = 0; i < fade; ++i)
        out[out.size() - 1 - i] *= double(i) / fade;
    return out;
}

double strike(double t, double attack, double decay)
{
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

double swell(double t, double rise, double length)
{
    if (t < 0 || t > length)
        return 0;
    if (t < rise)
        return std::sin(kPi / 2 * t / rise);
    return std::cos(kPi / 2 * (t - rise) / (length - rise));
}

Buffer bandPass(const Buffer& in, const std::function<double(double)>& centre, double q)
{
    Buffer out(in.size());
    double low = 0;
    double band = 0;
    for (std::size_t i = 0; i < in.size(); ++i) {
        // State-variable filter: stable while the centre moves.
        const double f =
            2 * std::sin(kPi * std::min(centre(double(i) / kRate), kRate / 6.0) / kRate);
        low += f * band;
        const double high = in[i] - low - band / q;
        band += f * high;
        out[i] = band;
    }
    return out;
}

Buffer lowPass(const Buffer& in, double cutoff)
{
    Buffer out(in.size());
    const double a = std::exp(-2 * kPi * cutoff / kRate);
    double y = 0;
    for (std::size_t i = 0; i < in.size(); ++i) {
        y = (1 - a) * in[i] + a * y;
        out[i] = y;
    }
    return out;
}

Buffer highPass(const Buffer& in, double cutoff, double q)
{
    const double w = 2 * kPi * cutoff / kRate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    const double b0 = (1 + std::cos(w)) / 2 / a0;
    const double b1 = -2 * b0;
    const double a1 = -2 * std::cos(w) / a0;
    const double a2 = (1 - alpha) / a0;
    Buffer out(in.size());
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (std::size_t i = 0; i < in.size(); ++i) {
        const double y = b0 * in[i] + b1 * x1 + b0 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = in[i];
        y2 = y1;
        y1 = y;
        out[i] = y;
    }
    return out;
}

void mixInto(Buffer& target, const Buffer& source, double at, double gain)
{
    const std::size_t start = samplesFor(at);
    if (target.size() < start + source.size())
        target.resize(start + source.size(), 0.0);
    for (std::size_t i = 0; i < source.size(); ++i)
        target[start + i] += source[i] * gain;
}

} // namespace synth
