// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds.h"

#include "score.h"

#include <cmath>

using namespace synth;

namespace {

double note(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// A struck note with a few harmonics, ringing out.
Buffer pluck(double frequency, double seconds, double decay, std::vector<double> harmonics)
{
    return tone(
        seconds, [=](double) { return frequency; },
        [=](double t) { return strike(t, 0.004, decay); }, harmonics);
}

constexpr double kPartialSpread = 0.003;

// Partials at free ratios, each with its own decay: bells, glass, chimes. Each partial starts a
// moment after the last, as the metal wakes, so their first peaks do not pile up.
Buffer inharmonic(double base, double seconds,
                  const std::vector<std::pair<double, double>>& partials, double decay)
{
    Buffer out = silence(seconds);
    for (std::size_t p = 0; p < partials.size(); ++p) {
        const auto [ratio, gain] = partials[p];
        const double partialDecay = decay / (1.0 + 0.6 * p);
        mixInto(out,
                tone(
                    seconds, [=](double) { return base * ratio; },
                    [=](double t) { return gain * strike(t, 0.002, partialDecay); }),
                kPartialSpread * p);
    }
    return out;
}

// Frequency modulation: a carrier bent by a modulator, its brightness fading with time.
Buffer fm(double seconds, double carrier, double ratio, double index, double decay)
{
    Buffer out = silence(seconds);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double depth = index * std::exp(-t / (decay * 0.6));
        out[i] = std::sin(2 * kPi * carrier * t + depth * std::sin(2 * kPi * carrier * ratio * t)) *
                 strike(t, 0.003, decay);
    }
    return out;
}

const std::vector<double> kWarm{1.0, 0.35, 0.15, 0.05};
const std::vector<double> kHollow{1.0, 0.0, 0.3, 0.0, 0.12, 0.0, 0.06};
constexpr double kStrum = 0.008;

// --- chirps and beeps ---

Buffer basso()
{
    std::vector<double> buzz;
    // A reedy square wave: its body lies in the overtones, so a laptop's small speaker still
    // carries it, and its flat top keeps the peaks low.
    for (int n = 1; n <= 30; ++n)
        buzz.push_back(n % 2 == 1 ? 1.0 / std::pow(n, 0.6) : 0.0);
    return lowPass(tone(
                       0.6, [](double t) { return 123.0 - 6 * t; },
                       [](double t) { return strike(t, 0.01, 0.22); }, buzz),
                   4000);
}

Buffer ping()
{
    return tone(
        0.7, [](double) { return 1760.0; }, [](double t) { return strike(t, 0.002, 0.16); },
        {1.0, 0.12, 0.05});
}

Buffer glass()
{
    return inharmonic(2093, 0.8, {{1.0, 1.0}, {2.76, 0.5}, {5.40, 0.25}, {8.93, 0.12}}, 0.22);
}

Buffer blow()
{
    Noise noise(7);
    Buffer air = silence(0.8);
    for (double& s : air)
        s = noise.white();
    // A puff: the air comes at once and fades, its colour rising as it goes.
    Buffer out = bandPass(
        air, [](double t) { return 700 + 900 * t; }, 1.8);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] *= strike(double(i) / kRate, 0.015, 0.3);
    return out;
}

Buffer submarine()
{
    Buffer bloop = tone(
        0.5, [](double t) { return 220 + 160 * std::exp(-t * 9); },
        [](double t) { return strike(t, 0.03, 0.2); }, {1.0, 0.6, 0.4, 0.2});
    Buffer out = silence(1.2);
    mixInto(out, bloop, 0);
    mixInto(out, bloop, 0.38, 0.45);
    mixInto(out, bloop, 0.76, 0.2);
    return out;
}

// --- harmonies and signals ---

Buffer majorChord()
{
    Buffer out = silence(1.1);
    // Strummed, not struck at once: the notes' first peaks do not pile up.
    double at = 0;
    for (int semitone : {3, 7, 10, 15}) {
        mixInto(out, pluck(note(semitone), 1.05, 0.35, kWarm), at, 0.5);
        at += kStrum;
    }
    return out;
}

Buffer risingArpeggio()
{
    Buffer out = silence(1.0);
    const int steps[] = {3, 7, 10, 15};
    const double gains[] = {1.0, 0.55, 0.55, 0.6};
    for (int i = 0; i < 4; ++i)
        mixInto(out, pluck(note(steps[i]), 1.0 - 0.09 * i, 0.22, kHollow), 0.09 * i, gains[i]);
    return out;
}

Buffer doorChime()
{
    Buffer out = silence(1.5);
    const std::vector<std::pair<double, double>> chime{{1.0, 1.0}, {2.0, 0.3}, {3.01, 0.12}};
    mixInto(out, inharmonic(note(19), 1.0, chime, 0.35), 0);
    mixInto(out, inharmonic(note(15), 1.1, chime, 0.4), 0.4);
    return out;
}

Buffer twoToneSignal()
{
    Buffer out = silence(0.95);
    for (int i = 0; i < 6; ++i) {
        const double f = i % 2 == 0 ? 880.0 : 660.0;
        mixInto(out,
                tone(
                    0.14, [=](double) { return f; },
                    [](double t) { return strike(t, 0.004, 0.045); }, {1.0, 0.0, 0.25}),
                0.15 * i, 0.7);
    }
    return out;
}

Buffer fallingArpeggio()
{
    Buffer out = silence(1.0);
    const int steps[] = {22, 19, 15, 10};
    for (int i = 0; i < 4; ++i)
        mixInto(out, pluck(note(steps[i]), 1.0 - 0.11 * i, 0.2, kHollow), 0.11 * i, 0.6);
    return out;
}

Buffer shimmerPad()
{
    Buffer out = silence(1.3);
    double at = 0;
    for (int semitone : {0, 5, 7, 12}) {
        at += kStrum;
        mixInto(out,
                tone(
                    1.3, [=](double) { return note(semitone); },
                    [](double t) {
                        return strike(t, 0.04, 0.6) * (0.8 + 0.2 * std::sin(2 * kPi * 6 * t));
                    },
                    kWarm),
                at - kStrum, 0.4);
    }
    return out;
}

Buffer coinBlips()
{
    Buffer out = silence(0.6);
    const int steps[] = {14, 19, 26};
    for (int i = 0; i < 3; ++i) {
        mixInto(out,
                tone(
                    0.25, [=](double) { return note(steps[i]); },
                    [](double t) { return strike(t, 0.003, 0.06); }, kWarm),
                0.08 * i, 0.7);
    }
    return out;
}

Buffer fanfare()
{
    Buffer out = silence(1.1);
    mixInto(out, fm(0.25, note(-2), 1.0, 2.5, 0.12), 0, 0.7);
    mixInto(out, fm(0.9, note(3), 1.0, 3.0, 0.35), 0.18, 0.8);
    mixInto(out, fm(0.9, note(7), 1.0, 2.0, 0.35), 0.18, 0.5);
    return out;
}

// --- real world sounds ---

Buffer boing()
{
    // A plucked spring: its pitch wobbles fast and wide, then settles and rises a little.
    return tone(
        1.0,
        [](double t) {
            return 160 * (1 + 0.5 * t) *
                   (1 + 0.45 * std::exp(-t * 3.5) * std::sin(2 * kPi * 16 * t));
        },
        [](double t) { return strike(t, 0.005, 0.3); }, {0.8, 0.9, 0.7, 0.5, 0.35, 0.25});
}

Buffer bubbles()
{
    Noise noise(11);
    Buffer out = silence(1.3);
    double at = 0;
    while (at < 1.05) {
        const double base = noise.uniform(350, 1100);
        const double length = noise.uniform(0.04, 0.09);
        // A bubble's pitch rises as it closes up at the surface.
        mixInto(out,
                tone(
                    length, [=](double t) { return base * (1 + 1.5 * t / length * t / length); },
                    [=](double t) { return strike(t, 0.003, length / 3) * (1 - t / length); }),
                at, noise.uniform(0.5, 1.0));
        at += noise.uniform(0.05, 0.14);
    }
    return out;
}

Buffer giantBell()
{
    // Church-bell partials: hum, prime, minor third, fifth, nominal and above. The hum stays
    // soft; the bell is heard through its upper partials, as from a tower.
    return inharmonic(196, 1.95,
                      {{0.5, 0.1},
                       {1.0, 0.4},
                       {1.19, 0.7},
                       {1.5, 0.5},
                       {2.0, 1.0},
                       {2.51, 0.45},
                       {2.66, 0.35},
                       {3.01, 0.3},
                       {4.17, 0.2}},
                      1.5);
}

Buffer rubberDuck()
{
    Noise noise(5);
    Buffer out = silence(0.75);
    for (int i = 0; i < 2; ++i) {
        // Air squeezed through a small reed: a nasal, bending tone with a breath of noise.
        Buffer squeak = tone(
            0.28, [](double t) { return 820 + 500 * std::sin(kPi * t / 0.28); },
            [](double t) { return swell(t, 0.05, 0.28); }, {1.0, 0.8, 0.6, 0.5, 0.35, 0.25, 0.15});
        Buffer nasal = bandPass(
            squeak, [](double) { return 2200; }, 2.5);
        for (std::size_t j = 0; j < nasal.size(); ++j)
            nasal[j] = nasal[j] * 1.5 + squeak[j] * 0.3 +
                       noise.white() * 0.04 * swell(double(j) / kRate, 0.05, 0.28);
        mixInto(out, nasal, 0.36 * i);
    }
    return out;
}

Buffer zips()
{
    Noise noise(3);
    Buffer out = silence(1.0);
    for (int z = 0; z < 2; ++z) {
        const double start = 0.48 * z;
        const double length = 0.38;
        // Teeth passing the slider: clicks closer and closer together.
        for (double t = 0; t < length;) {
            Buffer click = silence(0.006);
            for (std::size_t i = 0; i < click.size(); ++i)
                click[i] = noise.white() * std::exp(-double(i) / (kRate * 0.002));
            mixInto(out, click, start + t, 0.6 + 0.4 * swell(t, 0.1, length));
            t += 1.0 / (80 + 160 * t / length);
        }
    }
    // A mellow zip: the slider's hiss without the sharpest edge.
    return lowPass(bandPass(
                       out, [](double) { return 2200; }, 1.2),
                   5000);
}

// --- music ---

// The title tune, 24 seconds, rendered around a circle so it loops without a seam.
Buffer allegro()
{
    constexpr double kBeat = 0.5; // 120 beats a minute
    const double length = score::kBars * 4 * kBeat;
    Buffer out = silence(length + 2.0);
    for (int bar = 0; bar < score::kBars; ++bar) {
        for (int step = 0; step < score::kSteps; ++step) {
            const int pitch = score::kMelody[bar][step];
            if (pitch == score::kRest)
                continue;
            const double at = (bar * 4 + step * 0.5) * kBeat;
            mixInto(out, pluck(note(pitch), 0.6, 0.18, kHollow), at, 0.35);
        }
        for (int beat = 0; beat < 4; ++beat)
            mixInto(out, pluck(note(score::bassNote(bar, beat)), 0.5, 0.15, kWarm),
                    (bar * 4 + beat) * kBeat, 0.4);
    }
    // What rings past the end sounds again at the start: the loop point cannot be heard.
    const std::size_t loop = samplesFor(length);
    for (std::size_t i = loop; i < out.size(); ++i)
        out[i - loop] += out[i];
    out.resize(loop);
    return out;
}

} // namespace

std::vector<Clip> makeSounds()
{
    return {
        {"Basso", basso()},
        {"Ping", ping()},
        {"Glass", glass()},
        {"Blow", blow()},
        {"Submarine", submarine()},
        {"QuillomoSound20", majorChord()},
        {"QuillomoSound24", risingArpeggio()},
        {"QuillomoSound15", doorChime()},
        {"QuillomoSound16", twoToneSignal()},
        {"QuillomoSound9", fallingArpeggio()},
        {"QuillomoSound14", shimmerPad()},
        {"QuillomoSound21", coinBlips()},
        {"QuillomoSound13", fanfare()},
        {"realBoing", boing()},
        {"realBubbles", bubbles()},
        {"realGiantbell", giantBell()},
        {"realRubberDuckToy", rubberDuck()},
        {"realZips", zips()},
        {"allegro", allegro(), true},
    };
}
