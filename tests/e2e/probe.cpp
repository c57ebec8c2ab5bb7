// SPDX-License-Identifier: GPL-3.0-or-later
// Measures what the end-to-end tests see and hear.
//   probe differ A.png B.png        pixels that differ
//   probe foreign IMG.png RRGGBB... share (0..1) of pixels in none of the given colours
//   probe colour IMG.png X Y        the colour at a point, as RRGGBB
//   probe onsets REC.raw            times (ms) where a new sound starts, s16le mono 44100 Hz
//   probe heard REC.raw T1 T2...    per press time (ms): delay to its sound, and its strength
//   probe match REC.raw DIR T:CLIP… per press: delay (ms) to where CLIP begins, and how well
//   probe gap REC.raw FROM TO       the longest silence (ms) between two times
//   probe peak REC.raw              the loudest sample
//   probe length CLIP.wav           a clip's length (ms)
//   probe reach REC.raw MS          waits (up to 60 s) until a recording holds MS ms
//   probe answer SOCKET SECONDS     a look-alike single-instance server that answers anyone

#include "loudness.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

int differ(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            count += (a.pixel(x, y) & 0xffffff) != (b.pixel(x, y) & 0xffffff);
    }
    return count;
}

double foreign(const QImage& image, const QSet<QRgb>& allowed)
{
    long long outside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            outside += !allowed.contains(image.pixel(x, y) & 0xffffff);
    }
    return double(outside) / (double(image.width()) * image.height());
}

// Onsets by spectral flux: each new sound adds energy at frequencies that were quiet, even
// when earlier sounds still ring. Frames of 1024 samples every 5 ms; a peak of the flux, well
// above its surroundings, at least 100 ms after the one before.
constexpr int kSize = 512;
constexpr int kHop = 110;

double frameMs(int frame)
{
    return (frame * kHop + kSize) * 1000.0 / 44100.0;
}

std::vector<double> spectralFlux(const QByteArray& raw)
{
    constexpr int kBins = 128; // up to 11 kHz
    const auto* samples = reinterpret_cast<const qint16*>(raw.constData());
    const int count = raw.size() / 2;
    std::vector<double> window(kSize);
    for (int i = 0; i < kSize; ++i)
        window[i] = 0.5 - 0.5 * std::cos(2 * M_PI * i / kSize);
    std::vector<std::vector<double>> cosines(kBins, std::vector<double>(kSize));
    std::vector<std::vector<double>> sines(kBins, std::vector<double>(kSize));
    for (int k = 0; k < kBins; ++k) {
        for (int i = 0; i < kSize; ++i) {
            cosines[k][i] = std::cos(2 * M_PI * (k + 1) * i / kSize) * window[i];
            sines[k][i] = std::sin(2 * M_PI * (k + 1) * i / kSize) * window[i];
        }
    }
    std::vector<double> flux;
    std::vector<double> previous(kBins, 0.0);
    for (int start = 0; start + kSize <= count; start += kHop) {
        double sum = 0;
        for (int k = 0; k < kBins; ++k) {
            double re = 0;
            double im = 0;
            for (int i = 0; i < kSize; ++i) {
                re += samples[start + i] * cosines[k][i];
                im += samples[start + i] * sines[k][i];
            }
            const double level = std::log1p(std::sqrt(re * re + im * im) / 32768.0);
            sum += std::max(0.0, level - previous[k]);
            previous[k] = level;
        }
        flux.push_back(sum);
    }
    return flux;
}

std::vector<double> onsets(const QByteArray& raw)
{
    const std::vector<double> flux = spectralFlux(raw);
    std::vector<double> found;
    double last = -1e9;
    const int n = int(flux.size());
    for (int i = 1; i + 1 < n; ++i) {
        double local = 0;
        int span = 0;
        for (int j = std::max(0, i - 20); j < std::min(n, i + 20); ++j, ++span)
            local += flux[j];
        local /= span;
        bool peak = true;
        for (int j = std::max(0, i - 6); j <= std::min(n - 1, i + 6); ++j)
            peak &= flux[j] <= flux[i];
        const double ms = frameMs(i);
        if (peak && flux[i] > 1.5 * local && flux[i] > 0.5 && ms - last > 100) {
            found.push_back(ms);
            last = ms;
        }
    }
    return found;
}

// The longest stretch (ms) of near silence between two times, as a dropout would leave.
int longestGap(const QByteArray& raw, double fromMs, double toMs)
{
    constexpr int kFrame = 44; // 1 ms
    const auto* samples = reinterpret_cast<const qint16*>(raw.constData());
    const int first = int(fromMs) * kFrame;
    const int last = std::min(int(raw.size() / 2), int(toMs) * kFrame);
    int run = 0;
    int longest = 0;
    for (int start = first; start + kFrame <= last; start += kFrame) {
        int peak = 0;
        for (int i = start; i < start + kFrame; ++i)
            peak = std::max(peak, std::abs(int(samples[i])));
        run = peak < 30 ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// For each press time (ms): the delay to the first 5 ms frame whose energy is 4 dB over that of
// the 60 ms before the press, within 250 ms; -1 if none.
void onsetDelays(const QByteArray& raw, const QStringList& presses)
{
    constexpr int kFrame = 44100 / 200;
    constexpr double kRise = 2.5118864315;   // 4 dB
    constexpr double kFloor = 100.0 * 100.0; // about -50 dBFS: a rise out of silence counts
    const auto* samples = reinterpret_cast<const qint16*>(raw.constData());
    const int count = raw.size() / 2;
    auto energy = [&](int from, int to) {
        double sum = 0;
        for (int i = std::max(0, from); i < std::min(count, to); ++i)
            sum += double(samples[i]) * samples[i];
        return sum / std::max(1, to - from);
    };
    for (const QString& press : presses) {
        const int at = int(press.toDouble() * 44.1);
        const double before = energy(at - 44100 * 60 / 1000, at);
        double delay = -1;
        for (int frame = at; frame + kFrame <= std::min(count, at + 44100 / 4); frame += kFrame) {
            const double e = energy(frame, frame + kFrame);
            if (e > before * kRise && e > kFloor) {
                delay = (frame - at) / 44.1;
                break;
            }
        }
        std::printf("%.1f\n", delay);
    }
}

// For each press time: the delay (ms) to the first clear rise of new sound within 250 ms, and
// how strong the rise is against the recording's typical rise (a silent press stays low).
void heard(const QByteArray& raw, const QStringList& presses)
{
    constexpr double kClearRise = 5.0;
    const std::vector<double> flux = spectralFlux(raw);
    std::vector<double> sorted = flux;
    std::sort(sorted.begin(), sorted.end());
    const double typical = sorted.empty() ? 1.0 : std::max(0.05, sorted[sorted.size() / 2]);
    for (const QString& press : presses) {
        const double at = press.toDouble();
        double best = 0;
        double bestMs = -1;
        for (int i = 0; i < int(flux.size()); ++i) {
            const double ms = frameMs(i);
            if (ms < at - 20 || ms > at + 250)
                continue;
            if (flux[i] >= kClearRise * typical) {
                best = flux[i];
                bestMs = ms;
                break;
            }
            if (flux[i] > best) {
                best = flux[i];
                bestMs = ms;
            }
        }
        std::printf("%.0f %.1f\n", bestMs - at, best / typical);
    }
}

std::vector<double> readWav(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const int data = bytes.indexOf("data");
    std::vector<double> samples;
    const auto* pcm = reinterpret_cast<const qint16*>(bytes.constData() + data + 8);
    for (int i = 0; i < (bytes.size() - data - 8) / 2; ++i)
        samples.push_back(pcm[i]);
    return samples;
}

// For each "time:clip" pair: where the clip's opening 50 ms best lines up with the recording
// near that time (delay in ms), and how well (normalised correlation, 1 is a perfect match).
void match(const QByteArray& raw, const QString& clipFolder, const QStringList& expected)
{
    constexpr int kRate = 44100;
    constexpr int kLength = kRate / 20;
    const auto* rec = reinterpret_cast<const qint16*>(raw.constData());
    const int count = raw.size() / 2;
    for (const QString& entry : expected) {
        const double at = entry.section(':', 0, 0).toDouble();
        const std::vector<double> clip = readWav(clipFolder + "/" + entry.section(':', 1) + ".wav");
        const int n = std::min<int>(kLength, int(clip.size()));
        double clipNorm = 0;
        for (int k = 0; k < n; ++k)
            clipNorm += clip[k] * clip[k];
        // A steady tone matches itself a period later too: the earliest lag that matches nearly
        // as well as the best is where the clip began.
        std::vector<std::pair<int, double>> scores;
        double best = 0;
        for (int lag = int((at - 20) * kRate / 1000); lag < int((at + 250) * kRate / 1000); ++lag) {
            if (lag < 0 || lag + n > count)
                continue;
            double dot = 0;
            double recNorm = 0;
            for (int k = 0; k < n; ++k) {
                dot += rec[lag + k] * clip[k];
                recNorm += double(rec[lag + k]) * rec[lag + k];
            }
            const double score = dot / std::sqrt(clipNorm * recNorm + 1e-9);
            scores.emplace_back(lag, score);
            best = std::max(best, score);
        }
        int bestLag = 0;
        for (const auto& [lag, score] : scores) {
            if (score >= 0.9 * best) {
                bestLag = lag;
                best = score;
                break;
            }
        }
        std::printf("%.0f %.2f\n", bestLag * 1000.0 / kRate - at, best);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args[1] == "differ") {
        std::printf("%d\n", differ(QImage(args[2]), QImage(args[3])));
        return 0;
    }
    if (args.size() >= 4 && args[1] == "foreign") {
        QSet<QRgb> allowed;
        for (int i = 3; i < args.size(); ++i)
            allowed.insert(args[i].toUInt(nullptr, 16));
        std::printf("%.5f\n", foreign(QImage(args[2]), allowed));
        return 0;
    }
    if (args.size() >= 5 && args[1] == "colour") {
        const QRgb c = QImage(args[2]).pixel(args[3].toInt(), args[4].toInt());
        std::printf("%06x\n", c & 0xffffff);
        return 0;
    }
    if (args.size() >= 3 && args[1] == "length") {
        std::printf("%zu\n", readWav(args[2]).size() * 1000 / 44100);
        return 0;
    }
    if (args.size() >= 4 && args[1] == "reach") {
        // 88.2 bytes a millisecond; a loaded machine may lag, so the wait is generous.
        const qint64 bytes = qint64(args[3].toDouble() * 88.2);
        QElapsedTimer waited;
        waited.start();
        while (QFileInfo(args[2]).size() < bytes) {
            if (waited.elapsed() > 60000)
                return 1;
            QThread::msleep(20);
        }
        return 0;
    }
    if (args.size() >= 4 && args[1] == "answer") {
        QLocalServer::removeServer(args[2]);
        QLocalServer server;
        server.setSocketOptions(QLocalServer::WorldAccessOption);
        if (!server.listen(args[2]))
            return 1;
        QObject::connect(&server, &QLocalServer::newConnection, [&server] {
            while (auto* caller = server.nextPendingConnection())
                caller->write("front\n");
        });
        QTimer::singleShot(args[3].toInt() * 1000, &app, &QCoreApplication::quit);
        return app.exec();
    }
    // The rest read a recording: raw s16le mono at 44100 Hz.
    QFile file(args.value(2));
    if (args.size() < 3 || !file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "usage: probe "
                             "differ|foreign|colour|onsets|onset|heard|match|peak|loudest|gap|"
                             "length|reach|answer ...\n");
        return 2;
    }
    const QByteArray raw = file.readAll();
    if (args[1] == "onsets") {
        for (double ms : onsets(raw))
            std::printf("%.0f\n", ms);
        return 0;
    }
    if (args.size() >= 4 && args[1] == "heard") {
        heard(raw, args.mid(3));
        return 0;
    }
    if (args.size() >= 5 && args[1] == "match") {
        match(raw, args[3], args.mid(4));
        return 0;
    }
    if (args[1] == "peak") {
        const auto* pcm = reinterpret_cast<const qint16*>(raw.constData());
        int peak = 0;
        for (int i = 0; i < raw.size() / 2; ++i)
            peak = std::max(peak, std::abs(int(pcm[i])));
        std::printf("%d\n", peak);
        return 0;
    }
    if (args.size() >= 4 && args[1] == "onset") {
        onsetDelays(raw, args.mid(3));
        return 0;
    }
    if (args[1] == "loudest") {
        const auto* pcm = reinterpret_cast<const qint16*>(raw.constData());
        synth::Buffer sound;
        for (int i = 0; i < raw.size() / 2; ++i)
            sound.push_back(pcm[i] / 32768.0);
        std::printf("%.1f\n", loudness::loudestSecond(sound));
        return 0;
    }
    if (args.size() >= 5 && args[1] == "gap") {
        std::printf("%d\n", longestGap(raw, args[3].toDouble(), args[4].toDouble()));
        return 0;
    }
    std::fprintf(stderr, "probe: unknown command %s\n", qPrintable(args[1]));
    return 2;
}
