// Measures what the end-to-end tests see and hear.
//   probe differ A.png B.png        pixels that differ
//   probe foreign IMG.png RRGGBB... share (0..1) of pixels in none of the given colours
//   probe colour IMG.png X Y        the colour at a point, as RRGGBB
//   probe onsets REC.raw            times (ms) where a new sound starts, s16le mono 44100 Hz

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QSet>
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

// Onsets: frames of 5 ms whose energy jumps well above the frames just before.
std::vector<double> onsets(const QByteArray& raw)
{
    constexpr int kRate = 44100;
    constexpr int kFrame = kRate / 200;
    const auto* samples = reinterpret_cast<const qint16*>(raw.constData());
    const int count = raw.size() / 2;
    std::vector<double> energy;
    for (int start = 0; start + kFrame <= count; start += kFrame) {
        double sum = 0;
        for (int i = start; i < start + kFrame; ++i)
            sum += double(samples[i]) * samples[i];
        energy.push_back(std::sqrt(sum / kFrame) / 32768.0);
    }
    std::vector<double> found;
    double lastOnset = -1e9;
    for (std::size_t i = 4; i < energy.size(); ++i) {
        const double before = std::max({energy[i - 4], energy[i - 3], energy[i - 2]});
        const double ms = i * 5.0;
        if (energy[i] > 0.02 && energy[i] > before * 1.6 + 0.01 && ms - lastOnset > 60) {
            found.push_back(ms);
            lastOnset = ms;
        }
    }
    return found;
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
    if (args.size() >= 3 && args[1] == "onsets") {
        QFile file(args[2]);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        for (double ms : onsets(file.readAll()))
            std::printf("%.0f\n", ms);
        return 0;
    }
    std::fprintf(stderr, "usage: probe differ|foreign|colour|onsets ...\n");
    return 2;
}
