// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "synth.h"

// Levels safe for small ears, measured as ears hear them (ITU-R BS.1770 through libebur128):
// every effect equally loud, on a laptop's speaker too, and no peak near full scale, even
// between samples.
namespace loudness {

constexpr double kEffectLufs = -18.0;
// The title music sits under the effects, so a press is always heard over it.
constexpr double kMusicLufs = kEffectLufs - 10.0;
constexpr double kTruePeakCeilingDb = -1.0;
// A small laptop speaker gives almost nothing below this.
constexpr double kSmallSpeakerHz = 250.0;
// Above this a sound turns harsh.
constexpr double kHarshHz = 8000.0;
// A sound has started once it passes this level.
constexpr double kAudibleDb = -50.0;

double toDb(double amplitude);
double fromDb(double db);
double peak(const synth::Buffer& clip);

// Integrated loudness in LUFS of a clip played once, padded with silence to at least a second.
double integrated(const synth::Buffer& clip);
// The same, through the small-speaker model: a Butterworth high-pass applied twice.
double smallSpeaker(const synth::Buffer& clip);
// The loudness (LUFS) of the loudest second, read every tenth of a second.
double loudestSecond(const synth::Buffer& sound);
// The highest peak in dBTP, between samples too (four times oversampled).
double truePeakDb(const synth::Buffer& clip);
// The part of a clip's energy above the given frequency, 0 to 1.
double shareAbove(const synth::Buffer& clip, double hz);
// Seconds before the first sample louder than kAudibleDb.
double leadingSilence(const synth::Buffer& clip);

// Short fades at both ends, so a clip starts and stops without a click.
void fadeEnds(synth::Buffer& clip, double fadeIn, double fadeOut);
// Brings an effect to the common loudness, or lower where its true peak would pass the ceiling.
void levelEffect(synth::Buffer& clip);
// Scales the music to its quieter level; it must loop, so its ends are left alone.
void levelMusic(synth::Buffer& clip);

} // namespace loudness
