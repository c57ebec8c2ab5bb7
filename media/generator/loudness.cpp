// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness.h"

#include <algorithm>
#include <cmath>
#include <ebur128.h>
#include <memory>

namespace loudness {
namespace {

using Meter = std::unique_ptr<ebur128_state, void (*)(ebur128_state*)>;

void closeMeter(ebur128_state* state)
{
    ebur128_destroy(&state);
}

// One channel, as the toy plays it.
Meter measured(const synth::Buffer& clip, int mode)
{
    Meter meter(ebur128_init(1, synth::kRate, mode), closeMeter);
    if (meter) {
        synth::Buffer padded = clip;
        padded.resize(std::max(clip.size(), synth::samplesFor(1.0)), 0.0);
        ebur128_add_frames_double(meter.get(), padded.data(), padded.size());
    }
    return meter;
}

void scale(synth::Buffer& clip, double gain)
{
    for (double& s : clip)
        s *= gain;
}

double energy(const synth::Buffer& clip)
{
    double sum = 0;
    for (double s : clip)
        sum += s * s;
    return sum;
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

double peak(const synth::Buffer& clip)
{
    double top = 0;
    for (double s : clip)
        top = std::max(top, std::fabs(s));
    return top;
}

double integrated(const synth::Buffer& clip)
{
    const Meter meter = measured(clip, EBUR128_MODE_I);
    double lufs = -HUGE_VAL;
    if (meter)
        ebur128_loudness_global(meter.get(), &lufs);
    return lufs;
}

double smallSpeaker(const synth::Buffer& clip)
{
    return integrated(synth::highPass(synth::highPass(clip, kSmallSpeakerHz), kSmallSpeakerHz));
}

double loudestSecond(const synth::Buffer& sound)
{
    // Short-term mode keeps three seconds: enough for a one-second window.
    const Meter meter(ebur128_init(1, synth::kRate, EBUR128_MODE_S), closeMeter);
    const std::size_t step = synth::kRate / 10;
    double loudest = -HUGE_VAL;
    for (std::size_t at = 0; meter && at + step <= sound.size(); at += step) {
        ebur128_add_frames_double(meter.get(), sound.data() + at, step);
        double lufs = -HUGE_VAL;
        if (at + step >= std::size_t(synth::kRate) &&
            ebur128_loudness_window(meter.get(), 1000, &lufs) == EBUR128_SUCCESS)
            loudest = std::max(loudest, lufs);
    }
    return loudest;
}

double truePeakDb(const synth::Buffer& clip)
{
    const Meter meter = measured(clip, EBUR128_MODE_TRUE_PEAK);
    double top = 0;
    if (meter)
        ebur128_true_peak(meter.get(), 0, &top);
    return toDb(top);
}

double shareAbove(const synth::Buffer& clip, double hz)
{
    // An eighth-order Butterworth high-pass, as four sections: steep enough to split the
    // spectrum at the given frequency.
    synth::Buffer high = clip;
    for (double q : {0.5098, 0.6013, 0.9000, 2.5629})
        high = synth::highPass(high, hz, q);
    const double total = energy(clip);
    return total > 0 ? energy(high) / total : 0;
}

double leadingSilence(const synth::Buffer& clip)
{
    const double threshold = fromDb(kAudibleDb);
    const auto first = std::find_if(clip.begin(), clip.end(),
                                    [threshold](double s) { return std::fabs(s) > threshold; });
    return double(first - clip.begin()) / synth::kRate;
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
    fadeEnds(clip, 0.002, 0.03);
    const double toLoudness = fromDb(kEffectLufs - integrated(clip));
    const double toCeiling = fromDb(kTruePeakCeilingDb - truePeakDb(clip));
    // A little under the ceiling: the file's 16-bit rounding must not lift a peak over it.
    scale(clip, std::min(toLoudness, toCeiling * 0.99));
}

void levelMusic(synth::Buffer& clip)
{
    scale(clip, fromDb(kMusicLufs - integrated(clip)));
}

} // namespace loudness
