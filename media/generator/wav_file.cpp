// SPDX-License-Identifier: GPL-3.0-or-later
#include "wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

void put32(std::ofstream& out, std::uint32_t v)
{
    const char bytes[] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    out.write(bytes, 4);
}

void put16(std::ofstream& out, std::uint16_t v)
{
    const char bytes[] = {char(v), char(v >> 8)};
    out.write(bytes, 2);
}

} // namespace

bool writeWav(const std::string& path, const synth::Buffer& clip)
{
    std::ofstream out(path, std::ios::binary);
    const std::uint32_t dataBytes = std::uint32_t(clip.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, synth::kRate);
    put32(out, synth::kRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (double s : clip)
        put16(out, std::uint16_t(std::int16_t(std::lround(std::clamp(s, -1.0, 1.0) * 32767))));
    return bool(out);
}
