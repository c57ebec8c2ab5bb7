// SPDX-License-Identifier: GPL-3.0-or-later
// How long a press takes to be heard.
//   onset REC.raw T1 T2 ...   per press time (ms) in a recording (s16le mono, 44100 Hz): the
//                             delay (ms) to the first 5 ms frame whose energy is 4 dB over that
//                             of the 60 ms before the press, within 250 ms; -1 if none

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kFrame = kRate / 200;
constexpr double kRise = 2.5118864315;   // 4 dB
constexpr double kFloor = 100.0 * 100.0; // about -50 dBFS: a rise out of silence counts

std::vector<std::int16_t> readRaw(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    std::vector<std::int16_t> samples(bytes.size() / 2);
    std::copy_n(bytes.data(), samples.size() * 2, reinterpret_cast<char*>(samples.data()));
    return samples;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: onset REC.raw T1 [T2 ...]\n");
        return 2;
    }
    const std::vector<std::int16_t> samples = readRaw(argv[1]);
    const int count = int(samples.size());
    const auto energy = [&](int from, int to) {
        double sum = 0;
        for (int i = std::max(0, from); i < std::min(count, to); ++i)
            sum += double(samples[i]) * samples[i];
        return sum / std::max(1, to - from);
    };
    for (int press = 2; press < argc; ++press) {
        const int at = int(std::atof(argv[press]) * kRate / 1000);
        const double before = energy(at - kRate * 60 / 1000, at);
        double delay = -1;
        for (int frame = at; frame + kFrame <= std::min(count, at + kRate / 4); frame += kFrame) {
            const double e = energy(frame, frame + kFrame);
            if (e > before * kRise && e > kFloor) {
                delay = (frame - at) * 1000.0 / kRate;
                break;
            }
        }
        std::printf("%.1f\n", delay);
    }
    return 0;
}
