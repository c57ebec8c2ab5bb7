// SPDX-License-Identifier: GPL-3.0-or-later
// Measures what the end-to-end tests see and hear.
//   probe differ A.png B.png        pixels that differ
//   probe colour IMG.png X Y        the colour at a point, as RRGGBB
//   probe onsets REC.raw T1 T2 ...  per press time (ms) in a recording (s16le mono, 44100 Hz):
//                                   the delay (ms) to the first 5 ms frame from 30 ms before it
//                                   whose energy is 4 dB over the 60 ms before that; none if none
//   probe gap REC.raw FROM TO       the longest silence (ms) between two times
//   probe answer SOCKET SECONDS     a look-alike single-instance server that answers anyone
//   probe window TITLE              a plain window of another program, for the desktop to switch to

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRasterWindow>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>

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

void onsets(const QByteArray& raw, const QStringList& presses)
{
    constexpr int kRate = 44100;
    constexpr int kFrame = kRate / 200;
    constexpr double kRise = 2.5118864315;   // 4 dB
    constexpr double kFloor = 100.0 * 100.0; // about -50 dBFS: a rise out of silence counts
    const auto* samples = reinterpret_cast<const qint16*>(raw.constData());
    const int count = int(raw.size() / 2);
    const auto energy = [&](int from, int to) {
        double sum = 0;
        for (int i = std::max(0, from); i < std::min(count, to); ++i)
            sum += double(samples[i]) * samples[i];
        return sum / std::max(1, to - from);
    };
    for (const QString& press : presses) {
        // A recording's clock runs a few milliseconds off the presses' either way.
        const int at = int(press.toDouble() * kRate / 1000) - kRate * 30 / 1000;
        const double before = energy(at - kRate * 60 / 1000, at);
        QString delay = QStringLiteral("none");
        for (int frame = at; frame + kFrame <= std::min(count, at + kRate / 4); frame += kFrame) {
            const double e = energy(frame, frame + kFrame);
            if (e > before * kRise && e > kFloor) {
                delay = QString::number((frame - at) * 1000 / kRate - 30);
                break;
            }
        }
        std::printf("%s\n", qPrintable(delay));
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
    if (args.size() >= 5 && args[1] == "colour") {
        const QRgb c = QImage(args[2]).pixel(args[3].toInt(), args[4].toInt());
        std::printf("%06x\n", c & 0xffffff);
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
        std::fprintf(stderr, "usage: probe differ|colour|onsets|gap|answer|window ...\n");
        return 2;
    }
    const QByteArray raw = file.readAll();
    if (args.size() >= 4 && args[1] == "onsets") {
        onsets(raw, args.mid(3));
        return 0;
    }
    if (args.size() >= 5 && args[1] == "gap") {
        std::printf("%d\n", longestGap(raw, args[3].toDouble(), args[4].toDouble()));
        return 0;
    }
    std::fprintf(stderr, "probe: unknown command %s\n", qPrintable(args[1]));
    return 2;
}
