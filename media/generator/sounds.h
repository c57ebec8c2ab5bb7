// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "synth.h"

#include <string>
#include <vector>

struct Clip {
    std::string name;
    synth::Buffer samples;
    bool music = false;
};

// The nineteen sounds of the toy: three sets of effects and the start screen's music.
std::vector<Clip> makeSounds();
