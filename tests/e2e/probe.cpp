// SPDX-License-Identifier: GPL-3.0-or-later
// Measures what the end-to-end tests see and hear.
//   probe differ A.png B.png        pixels that differ
//   probe foreign IMG.png RRGGBB... share (0..1) of pixels in none of the given colours
//   probe colour IMG.png X Y        the colour at a point, as RRGGBB
//   probe match REC.raw DIR T:CLIP… per press: delay (ms) to where CLIP begins, and how well
//   probe gap REC.raw FROM TO       the longest silence (ms) between two times
//   probe peak REC.raw              the loudest sample
//   probe length CLIP.wav           a clip's length (ms)
//   probe reach REC.raw MS          waits (up to 60 s) until a recording holds MS ms
//   probe answer SOCKET SECONDS     a look-alike single-instance server that answers anyone
//   probe window TITLE              a plain window of another program, for the desktop to switch to

#include "loudness.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRasterWindow>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
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
    if (argc >= 3 && std::strcmp(argv[1], "window") == 0) {
        QGuiApplication gui(argc, argv);
        QRasterWindow window;
        window.setTitle(QString::fromLocal8Bit(argv[2]));
        window.resize(400, 300);
        window.show();
        return gui.exec();
    }
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
                             "differ|foreign|colour|match|peak|loudest|gap|"
                             "length|reach|answer ...\n");
        return 2;
    }
    const QByteArray raw = file.readAll();
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
