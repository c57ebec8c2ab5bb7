// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped sounds and pictures, and the catalogue that loads them.

#include "toy_fixture.h"

#include "media/generator/loudness.h"
#include "media/media.h"
#include "platform/audio/movie.h"
#include "platform/runtime/resource_store.h"
#include "platform/ui/picture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>

namespace {

synth::Buffer load(const std::string& name)
{
    std::string error;
    const auto movie = platform::Movie::load(
        platform::ResourceStore::folder() + "/sounds/" + name + ".wav", error);
    return movie ? ToyFixture::samplesOf(movie->samples()) : synth::Buffer();
}

synth::Buffer sine(double hz, double peakDb, double seconds)
{
    synth::Buffer out = synth::silence(seconds);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = loudness::fromDb(peakDb) * std::sin(2 * synth::kPi * hz * i / synth::kRate);
    return out;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

class TestMedia : public ToyFixture {
    Q_OBJECT

  private Q_SLOTS:
    void meterReadsReferenceTones()
    {
        const synth::Buffer tone = sine(997, -20, 20);
        QVERIFY(std::abs(loudness::integrated(tone) + 23.0) <= 0.1);
        // The gate leaves silence out.
        synth::Buffer apart = synth::silence(60);
        synth::mixInto(apart, tone, 20);
        QVERIFY(std::abs(loudness::integrated(apart) - loudness::integrated(tone)) <= 0.1);
        // The small speaker keeps a tone well above its corner and loses one well below it.
        QVERIFY(loudness::smallSpeaker(tone) > -23.2);
        QVERIFY(loudness::smallSpeaker(sine(60, -20, 3)) < -60);
        QVERIFY(loudness::shareAbove(sine(12000, -20, 1), loudness::kHarshHz) > 0.9);
        QVERIFY(loudness::shareAbove(tone, loudness::kHarshHz) < 0.01);
    }

    void effectsAreEvenOnEverySpeakerAndGentle()
    {
        std::vector<double> level, onSmallSpeaker;
        std::vector<std::string> effects;
        const QDir folder(QString::fromStdString(platform::ResourceStore::folder() + "/sounds"));
        for (const QFileInfo& file : folder.entryInfoList({"*.wav"}))
            if (file.baseName() != "allegro")
                effects.push_back(file.baseName().toStdString());
        QCOMPARE(int(effects.size()), 18);
        // As the README promises parents, in the meter's own units.
        constexpr double kPromisedLufs = -18.0;
        constexpr double kPromisedPeakDb = -1.0;
        for (const std::string& effect : effects) {
            const synth::Buffer clip = load(effect);
            const char* name = effect.c_str();
            QVERIFY2(clip.size() >= synth::samplesFor(0.2) && clip.size() <= synth::samplesFor(2.0),
                     name);
            level.push_back(loudness::integrated(clip));
            onSmallSpeaker.push_back(loudness::smallSpeaker(clip));
            QVERIFY2(std::abs(level.back() - kPromisedLufs) <= 1.0, name);
            QVERIFY2(loudness::truePeakDb(clip) <= kPromisedPeakDb, name);
            QVERIFY2(loudness::shareAbove(clip, loudness::kHarshHz) <= 0.2, name);
            QVERIFY2(loudness::leadingSilence(clip) <= 0.005, name);
            QVERIFY2(std::abs(clip.back()) < 0.005, name);
        }
        const double smallMiddle = median(onSmallSpeaker);
        for (std::size_t i = 0; i < level.size(); ++i)
            QVERIFY2(std::abs(onSmallSpeaker[i] - smallMiddle) <= 3.0, effects[i].c_str());

        const synth::Buffer music = load("allegro");
        QVERIFY(music.size() >= synth::samplesFor(20));
        const double below = median(level) - loudness::integrated(music);
        QVERIFY(below >= 8 && below <= 12);
        QVERIFY(loudness::truePeakDb(music) <= kPromisedPeakDb);
    }

    void musicLoopsWithoutAJump()
    {
        QVERIFY(Media::allegro());
        const auto& s = Media::allegro()->samples();
        // Across the loop point the wave moves no more than it does anywhere inside.
        int largestStep = 0;
        for (std::size_t i = 1; i < s.size(); ++i)
            largestStep = std::max(largestStep, std::abs(s[i] - s[i - 1]));
        QVERIFY(std::abs(s.front() - s.back()) <= largestStep);
    }

    void catalogueKeepsWhatItFoundAndLooksAgainForWhatItMissed()
    {
        QTemporaryDir empty;
        platform::ResourceStore::setFolder(empty.path().toStdString());
        const int before = Media::loadsOf("Ping");
        QVERIFY(!Media::Ping() && !Media::Ping() && !Media::tumbletotlogo());
        platform::ResourceStore::setFolder(TUMBLETOT_TEST_DATA_DIR);
        const platform::Movie* found = Media::Ping();
        QVERIFY(found);
        QCOMPARE(Media::Ping(), found);
        QCOMPARE(Media::loadsOf("Ping"), before + 3);
        platform::Picture* logo = Media::tumbletotlogo();
        QVERIFY(logo);
        QCOMPARE(Media::tumbletotlogo(), logo);
    }

    void picturesStandOutWholeAndSharp()
    {
        // (The logo, pixel for pixel over its panel, is the start screen's test.) The maker's name
        // ends before the picture does.
        const QImage mark = Media::quillomologgagray188()->image();
        for (int x = mark.width() - 3; x < mark.width(); ++x)
            for (int y = 0; y < mark.height(); ++y)
                QCOMPARE(qAlpha(mark.pixel(x, y)), 0);

        // The small icons are drawn on the pixel grid: hardly any blurred, in-between pixels.
        for (int size : {16, 32}) {
            const QString path = QStringLiteral(TUMBLETOT_TEST_ICON_DIR "/%1x%1/apps/%2.png");
            const QImage icon(path.arg(size).arg(QStringLiteral("io.github.tumbletot.Tumbletot")));
            QCOMPARE(icon.width(), size);
            const QList<QColor> inks{QColor(255, 109, 0), QColor(255, 255, 0), QColor(0, 0, 255),
                                     QColor(Qt::black)};
            int blurred = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    blurred += icon.pixelColor(x, y).alpha() == 255 &&
                               !inks.contains(icon.pixelColor(x, y));
            QVERIFY2(blurred <= size * size / 6, qPrintable(QString::number(blurred)));
        }
    }
};

QTEST_MAIN(TestMedia)
#include "tst_media.moc"
