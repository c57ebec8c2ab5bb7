// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "synth.h"

// Levels safe for small ears: every effect equally loud, no peak near full scale, no clicks.
namespace loudness {

constexpr double kEffectRmsDb = -17.0;
constexpr double kMusicRmsDb = -26.0;
constexpr double kCeilingDb = -1.5;
constexpr double kFloorPeakDb = -5.5;

double toDb(double amplitude);
double fromDb(double db);
double rms(const synth::Buffer& clip);
double peak(const synth::Buffer& clip);

// Short fades at both ends, so a clip starts and stops without a click.
void fadeEnds(synth::Buffer& clip, double fadeIn, double fadeOut);
// Brings an effect to the common loudness, bending its peaks under the ceiling.
void levelEffect(synth::Buffer& clip);
// Scales the music to its quieter level; it must loop, so its ends are left alone.
void levelMusic(synth::Buffer& clip);

} // namespace loudness
