// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The title music: a cheerful tune in C major, twelve bars of eight quavers at 120 beats a
// minute, over a bass that plays a root on beats 1 and 3 and its fifth on beats 2 and 4.
namespace score {

constexpr int kBars = 12;
constexpr int kSteps = 8; // quavers a bar
constexpr int kRest = -100;
constexpr int kFifth = 7;

// Melody, one bar a row: semitones from A4.
constexpr int kMelody[kBars][kSteps] = {
    {3, 7, 10, 7, 12, 10, 7, 3},     {5, 8, 12, 8, 14, 12, 8, 5},
    {3, 7, 10, 15, 14, 12, 10, 7},   {5, 7, 8, 10, 8, 7, 5, kRest},
    {10, 12, 14, 17, 14, 12, 10, 7}, {8, 10, 12, 10, 8, 7, 5, 3},
    {3, 5, 7, 8, 10, 12, 14, 15},    {14, 12, 10, 12, 10, kRest, 7, kRest},
    {15, 14, 12, 10, 12, 10, 8, 7},  {8, 7, 5, 7, 5, 3, 2, 3},
    {7, 10, 15, 10, 7, 10, 15, 19},  {15, 10, 7, 3, 2, 3, kRest, kRest},
};

// Bass roots, a bar each, in semitones from A4: C F C G | E F C G | E F C G. The E bars lie
// under melodies of E, G and B (an E minor colour), so the root is E3, not E flat.
constexpr int kBass[kBars] = {-21, -16, -21, -14, -17, -16, -21, -14, -17, -16, -21, -14};

// The bass note of a beat (0 to 3) of a bar.
constexpr int bassNote(int bar, int beat)
{
    return kBass[bar] + (beat % 2 == 1 ? kFifth : 0);
}

} // namespace score
