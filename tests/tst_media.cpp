// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped sounds and pictures, and the catalogue that loads them.

#include "toy_fixture.h"

#include "media/generator/score.h"
#include "media/media.h"
#include "platform/movie.h"
#include "platform/picture.h"
#include "platform/resource_store.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {

const char* const kEffects[] = {"Basso",
                                "Ping",
                                "Glass",
                                "Blow",
                                "Submarine",
                                "QuillomoSound20",
                                "QuillomoSound24",
                                "QuillomoSound15",
                                "QuillomoSound16",
                                "QuillomoSound9",
                                "QuillomoSound14",
                                "QuillomoSound21",
                                "QuillomoSound13",
                                "realBoing",
                                "realBubbles",
                                "realGiantbell",
                                "realRubberDuckToy",
                                "realZips"};

struct Level {
    double peakDb;
    double rmsDb;
    double seconds;
    int firstSample;
    int lastSample;
};

Level measure(const std::string& name)
{
    std::string error;
    auto movie = platform::Movie::load(
        platform::ResourceStore::folder() + "/sounds/" + name + ".wav", error);
    if (!movie)
        return {};
    double sum = 0;
    double peak = 0;
    for (auto s : movie->samples()) {
        sum += double(s) * s;
        peak = std::max(peak, std::fabs(double(s)));
    }
    const double n = double(movie->samples().size());
    return {20 * std::log10(peak / 32768), 20 * std::log10(std::sqrt(sum / n) / 32768),
            movie->seconds(), movie->samples().front(), movie->samples().back()};
}

} // namespace

class TestMedia : public QObject {
    Q_OBJECT
    ToyFixture toy;

  private Q_SLOTS:
    void init()
    {
        toy.reset();
        platform::ResourceStore::setFolder(TUMBLETOT_TEST_DATA_DIR);
        Media::release();
    }

    void effectsAreEvenShortAndGentle()
    {
        double quietest = 0;
        double loudest = -100;
        for (const char* name : kEffects) {
            const Level level = measure(name);
            QVERIFY2(level.seconds >= 0.2 && level.seconds <= 2.0, name);
            QVERIFY2(level.peakDb >= -6.0 && level.peakDb <= -1.0, name);
            QVERIFY2(std::abs(level.firstSample) < 200 && std::abs(level.lastSample) < 200, name);
            quietest = std::min(quietest, level.rmsDb);
            loudest = std::max(loudest, level.rmsDb);
        }
        const double middle = (quietest + loudest) / 2;
        QVERIFY(loudest - middle <= 3.0 && middle - quietest <= 3.0);

        const Level music = measure("allegro");
        QVERIFY(music.seconds >= 20.0);
        QVERIFY(music.rmsDb <= quietest - 6.0);
        QVERIFY(music.peakDb <= -1.0);
    }

    void musicLoopsWithoutAJump()
    {
        std::string error;
        auto music =
            platform::Movie::load(platform::ResourceStore::folder() + "/sounds/allegro.wav", error);
        QVERIFY(music);
        const auto& s = music->samples();
        // Across the loop point the wave moves no more than it does anywhere inside.
        int largestStep = 0;
        for (std::size_t i = 1; i < s.size(); ++i)
            largestStep = std::max(largestStep, std::abs(s[i] - s[i - 1]));
        QVERIFY(std::abs(s.front() - s.back()) <= largestStep);
    }

    void musicHasNoSemitoneClash()
    {
        // Wherever a bass note and a melody note start together, they are not a minor second
        // apart in any octave.
        for (int bar = 0; bar < score::kBars; ++bar) {
            for (int beat = 0; beat < 4; ++beat) {
                const int melody = score::kMelody[bar][beat * 2];
                if (melody == score::kRest)
                    continue;
                const int interval = ((melody - score::bassNote(bar, beat)) % 12 + 12) % 12;
                QVERIFY2(interval != 1,
                         qPrintable(QStringLiteral("bar %1, beat %2").arg(bar + 1).arg(beat + 1)));
            }
        }
    }

    void accessorsCacheOneSharedObject()
    {
        const platform::Movie* first = Media::Basso();
        QVERIFY(first);
        QCOMPARE(Media::Basso(), first);
        QCOMPARE(Media::loadsOf("Basso"), 1);
        platform::Picture* logo = Media::tumbletotlogo();
        QVERIFY(logo);
        QCOMPARE(Media::tumbletotlogo(), logo);
        QCOMPARE(logo->Width(), 112);
        QCOMPARE(logo->Height(), 151);
        QCOMPARE(Media::quillomologgagray188()->Width(), 189);
    }

    void missingAssetsYieldNothingAndAreLookedForAgain()
    {
        QTemporaryDir empty;
        platform::ResourceStore::setFolder(empty.path().toStdString());
        const int before = Media::loadsOf("Ping");
        QVERIFY(!Media::Ping());
        QVERIFY(!Media::Ping());
        QCOMPARE(Media::loadsOf("Ping"), before + 2);
        QVERIFY(!Media::tumbletotlogo());
        platform::ResourceStore::setFolder(TUMBLETOT_TEST_DATA_DIR);
        QVERIFY(Media::Ping());
    }

    void transparentLogoDropsItsWhite()
    {
        platform::Picture* logo = Media::tumbletotlogo();
        QVERIFY(logo);
        logo->setTransparent(1);
        QCOMPARE(qAlpha(logo->image().pixel(0, 0)), 0);
        const QImage& keyed = logo->image();
        QVERIFY(qAlpha(keyed.pixel(keyed.width() / 2, keyed.height() / 2)) == 255);
    }
};

QTEST_MAIN(TestMedia)
#include "tst_media.moc"
