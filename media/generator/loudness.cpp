// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness.h"

#include <algorithm>
#include <cmath>

namespace loudness {
namespace {

void limit(synth::Buffer& clip, double ceiling)
{
    const double knee = ceiling * 0.7;
    for (double& s : clip) {
        const double m = std::fabs(s);
        if (m > knee)
            s = std::copysign(knee + (ceiling - knee) * std::tanh((m - knee) / (ceiling - knee)),
                              s);
    }
}

void scale(synth::Buffer& clip, double gain)
{
    for (double& s : clip)
        s *= gain;
}

} // namespace

double toDb(double amplitude)
{
    return 20 * std::log10(std::max(amplitude, 1e-9));
}

double fromDb(double db)
{
    return std::pow(10.0, db / 20);
}

double rms(const synth::Buffer& clip)
{
    double sum = 0;
    for (double s : clip)
        sum += s * s;
    return clip.empty() ? 0 : std::sqrt(sum / clip.size());
}

double peak(const synth::Buffer& clip)
{
    double top = 0;
    for (double s : clip)
        top = std::max(top, std::fabs(s));
    return top;
}

void fadeEnds(synth::Buffer& clip, double fadeIn, double fadeOut)
{
    const std::size_t in = std::min(clip.size(), synth::samplesFor(fadeIn));
    const std::size_t out = std::min(clip.size(), synth::samplesFor(fadeOut));
    for (std::size_t i = 0; i < in; ++i)
        clip[i] *= double(i) / in;
    for (std::size_t i = 0; i < out; ++i)
        clip[clip.size() - 1 - i] *= double(i) / out;
}

void levelEffect(synth::Buffer& clip)
{
    fadeEnds(clip, 0.004, 0.03);
    scale(clip, fromDb(kEffectRmsDb) / rms(clip));
    const double ceiling = fromDb(kCeilingDb);
    if (peak(clip) > ceiling)
        limit(clip, ceiling);
    // A dense sound with few peaks comes up until its loudest moment is clearly heard.
    if (peak(clip) < fromDb(kFloorPeakDb))
        scale(clip, fromDb(kFloorPeakDb) / peak(clip));
    fadeEnds(clip, 0.004, 0.03);
}

void levelMusic(synth::Buffer& clip)
{
    scale(clip, fromDb(kMusicRmsDb) / rms(clip));
    limit(clip, fromDb(kCeilingDb - 6));
}

} // namespace loudness
