// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "synth.h"

#include <string>

// Writes a clip as 16-bit PCM, mono, at the synthesiser's rate. False when the file fails.
bool writeWav(const std::string& path, const synth::Buffer& clip);
