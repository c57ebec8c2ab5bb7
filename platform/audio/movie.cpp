// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/movie.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace platform {
namespace {

std::uint32_t le32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
}

std::uint16_t le16(const unsigned char* p)
{
    return std::uint16_t(p[0] | (p[1] << 8));
}

// Mono, by averaging a stereo file's two channels.
std::vector<std::int16_t> toMono(const unsigned char* data, std::size_t frames, int channels)
{
    std::vector<std::int16_t> mono(frames);
    for (std::size_t f = 0; f < frames; ++f) {
        int sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += std::int16_t(le16(data + (f * channels + c) * 2));
        mono[f] = std::int16_t(sum / channels);
    }
    return mono;
}

} // namespace

std::unique_ptr<Movie> Movie::load(const std::string& path, std::string& error)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        error = "cannot open " + path;
        return nullptr;
    }
    std::vector<unsigned char> bytes(
        static_cast<std::size_t>(std::max<std::streamoff>(0, file.tellg())));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
        error = path + " is not a WAV file";
        return nullptr;
    }
    int channels = 0;
    int rate = 0;
    int bits = 0;
    int format = 0;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const unsigned char* chunk = bytes.data() + at;
        const std::size_t size = le32(chunk + 4);
        const std::size_t available = bytes.size() - at - 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16 && size <= available) {
            format = le16(chunk + 8);
            channels = le16(chunk + 10);
            rate = int(le32(chunk + 12));
            bits = le16(chunk + 22);
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            // The toy's own sounds are all of this one kind; anything else is not one of them.
            if (format != 1 || bits != 16 || channels < 1 || channels > 2 ||
                rate != Movie::SampleRate) {
                error = path + " is not 16-bit PCM, mono or stereo, at 44.1 kHz";
                return nullptr;
            }
            // A file cut short keeps what it holds.
            const std::size_t frames = std::min(size, available) / (2 * channels);
            if (frames == 0) {
                error = path + " holds no sound";
                return nullptr;
            }
            return fromSamples(toMono(chunk + 8, frames, channels));
        }
        at += 8 + size + (size & 1);
    }
    error = path + " has no sound data";
    return nullptr;
}

std::unique_ptr<Movie> Movie::fromSamples(std::vector<std::int16_t> samples)
{
    return std::unique_ptr<Movie>(new Movie(std::move(samples), false));
}

std::unique_ptr<Movie> Movie::spoken(std::vector<std::int16_t> samples)
{
    return std::unique_ptr<Movie>(new Movie(std::move(samples), true));
}

} // namespace platform
