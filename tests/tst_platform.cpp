// SPDX-License-Identifier: GPL-3.0-or-later
// The framework adapter: timers, controls that run their handlers, shared windows, input.

#include "toy_fixture.h"

#include "media/generator/loudness.h"
#include "media/media.h"
#include "platform/audio/movie.h"
#include "platform/audio/peak_limiter.h"
#include "platform/audio/sound_link.h"
#include "platform/audio/voice_mix.h"
#include "platform/hold/hold.h"
#include "platform/hold/stage.h"
#include "platform/ui/shared_window.h"
#include "platform/ui/timer.h"
#include "platform/ui/window.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <cmath>
#include <mutex>
#include <qpa/qplatformnativeinterface.h>
#include <random>

namespace {

constexpr int kRate = platform::Movie::SampleRate;

// What the mixer sends out when players start their sounds: presses are (frame, player), in order.
synth::Buffer mixed(const std::vector<const platform::Movie*>& sounds,
                    const std::vector<std::pair<std::size_t, std::size_t>>& presses,
                    std::size_t frames)
{
    std::vector<int> players(sounds.size());
    platform::VoiceMix mix;
    std::vector<std::int16_t> out(frames);
    std::size_t at = 0;
    for (const auto& [frame, player] : presses) {
        mix.mix(out.data() + at, frame - at);
        at = frame;
        mix.play(&players[player], sounds[player], false);
    }
    mix.mix(out.data() + at, frames - at);
    return ToyFixture::samplesOf(out);
}

// A second of a quiet 300 Hz hum.
std::vector<std::int16_t> hum()
{
    std::vector<std::int16_t> wave(kRate);
    for (std::size_t i = 0; i < wave.size(); ++i)
        wave[i] = std::int16_t(3000 * std::sin(2 * M_PI * 300 * double(i) / kRate));
    return wave;
}

// The loudest sample of the mix's next frames, from the given one on.
int loudestOf(platform::VoiceMix& mix, std::size_t frames, std::size_t from)
{
    std::vector<std::int16_t> out(frames);
    mix.mix(out.data(), out.size());
    int peak = 0;
    for (std::size_t i = from; i < out.size(); ++i)
        peak = std::max(peak, std::abs(int(out[i])));
    return peak;
}

// A small window that records what the framework made it do.
class ProbeWindow : public platform::Window {
  public:
    ProbeWindow() : platform::Window({0, 0, 200, 100}, "probe")
    {
        timer = add<platform::Timer>("Timer1", platform::Timer::ModeOff, 1000);
        timer->Action = [this] { log += "tick "; };
    }

    bool Event_KeyDown(const std::string& key) override
    {
        keys += key.empty() ? "?" : key;
        return false;
    }

    platform::Timer* timer;
    std::string log;
    std::string keys;
};

using Probe = platform::SharedWindow<ProbeWindow>;

class FullScreenProbeWindow : public ProbeWindow {
  public:
    FullScreenProbeWindow() { setFullScreen(true); }
};
using FullScreenProbe = platform::SharedWindow<FullScreenProbeWindow>;

// Plugs screens in and out, as the offscreen platform lets a test do.
void setScreens(std::initializer_list<std::pair<const char*, QRect>> screens)
{
    QJsonArray list;
    for (const auto& [name, r] : screens)
        list.append(QJsonObject{{"name", name},
                                {"x", r.x()},
                                {"y", r.y()},
                                {"width", r.width()},
                                {"height", r.height()}});
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    using Configure = void (*)(const QJsonObject&, QPlatformNativeInterface*);
    auto configure =
        reinterpret_cast<Configure>(native->nativeResourceForIntegration("setConfiguration"));
    configure(QJsonObject{{"screens", list}}, native);
    QCoreApplication::processEvents();
}

} // namespace

class TestPlatform : public ToyFixture {
    Q_OBJECT

  private Q_SLOTS:
    void timerRestartsOnPeriodAndKeepsItsMode()
    {
        ProbeWindow& w = Probe::get();
        w.log.clear();
        w.timer->setMode(platform::Timer::ModeMultiple); // starts counting from now
        clock->advance(900);
        w.timer->setPeriod(1000); // the same period still restarts the countdown
        clock->advance(900);
        QCOMPARE(w.log, std::string());
        clock->advance(100);
        QCOMPARE(w.log, std::string("tick "));
        w.timer->setMode(platform::Timer::ModeMultiple); // the mode it has: no restart
        clock->advance(1000);
        QCOMPARE(w.log, std::string("tick tick "));
        w.timer->setMode(platform::Timer::ModeOff);
        w.timer->setPeriod(10); // a stopped timer stays stopped
        clock->advance(5000);
        QCOMPARE(w.log, std::string("tick tick "));
        // Closing the window stops its timers.
        w.timer->setMode(platform::Timer::ModeMultiple);
        w.Close();
        QCOMPARE(clock->running(), 0);
    }

    void keysReachTheWindowButNotLoneModifiers()
    {
        ProbeWindow& w = Probe::get();
        for (Qt::Key key : {Qt::Key_A, Qt::Key_Shift, Qt::Key_Control, Qt::Key_Meta, Qt::Key_C})
            QTest::keyClick(w.surface(), key);
        QCOMPARE(w.keys, std::string("ac"));
    }

    void anotherWindowTakingTheFocusKeepsIt()
    {
        ProbeWindow& w = Probe::get();
        QTRY_VERIFY(w.frame()->isActiveWindow());
        QMessageBox other(QMessageBox::Information, "probe", "another window", QMessageBox::Ok);
        other.setWindowModality(Qt::NonModal);
        other.show();
        other.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &other);
        // Past the window's own first tries to take the focus.
        QTest::qWait(700);
        QCOMPARE(QApplication::activeWindow(), &other);
    }

    void stagesFollowTheScreensAndPassKeysOn()
    {
        const QRect first(0, 0, 1024, 768);
        const QRect second(1024, 0, 800, 600);
        setScreens({{"main", first}, {"side", second}});
        ProbeWindow& front = FullScreenProbe::get();
        const auto& stages = platform::Hold::shared().stages();
        QCOMPARE(stages.size(), 2);

        // A key on the other screen is a key for the window in front.
        QTest::keyClick(stages[1], Qt::Key_B);
        QCOMPARE(front.keys, std::string("b"));

        // The first screen goes: the main stage, and the window on it, move to the next one.
        setScreens({{"side", second}});
        QCOMPARE(stages.size(), 1);
        QCOMPARE(stages[0]->geometry(), second);
        QCOMPARE(front.Width(), 800);

        setScreens({{"side", second}, {"main", first}});
        QCOMPARE(stages.size(), 2);
        setScreens({{"main", first}});
        QCOMPARE(stages.size(), 1);
    }

    void voicesStartOverlapStopAndEnd()
    {
        const auto tone = [](int frames, std::int16_t value) {
            return platform::Movie::fromSamples(
                std::vector<std::int16_t>(std::size_t(frames), value));
        };
        const auto up = tone(4410, 8000);
        const auto down = tone(4410, -8000);
        const auto blip = tone(1000, 8000);
        const int a = 0, b = 0, c = 0;
        platform::VoiceMix mix;
        // The next 50 ms, past the leveller's first moves.
        const auto next = [&mix] { return loudestOf(mix, 2205, 200); };
        QVERIFY(mix.silent());
        QCOMPARE(next(), 0);
        mix.play(&a, up.get(), false);
        QVERIFY(next() > 1000);
        // A second voice sounds with the first: opposite ones cancel.
        mix.play(&b, down.get(), false);
        QVERIFY(next() < 50);
        // A player's new sound replaces its old one; a stopped voice goes at once.
        mix.play(&b, up.get(), false);
        mix.stop(&a);
        QVERIFY(!mix.playing(&a) && mix.playing(&b));
        QVERIFY(next() > 1000);
        // An output that failed and came back carries on with its looping voices only.
        mix.play(&c, up.get(), true);
        mix.startAfresh();
        QVERIFY(!mix.playing(&b) && mix.playing(&c));
        QVERIFY(next() > 1000);
        // At its end a voice is gone and the stream falls silent; a looping one goes on.
        mix.play(&b, blip.get(), false);
        mix.play(&c, blip.get(), true);
        next();
        QVERIFY(!mix.playing(&b) && mix.playing(&c));
        mix.stop(&c);
        QCOMPARE(next(), 0);
        mix.play(&a, nullptr, false);
        QVERIFY(mix.silent());
    }

    void aNewVoiceStartsInWhatIsSentAgain()
    {
        const auto hummed = platform::Movie::fromSamples(hum());
        const auto blip = platform::Movie::fromSamples(std::vector<std::int16_t>(500, 8000));
        const int a = 0, b = 0;
        platform::VoiceMix mix;
        mix.play(&a, hummed.get(), true);
        std::vector<std::int16_t> sent(1000), again(400);
        mix.mix(sent.data(), sent.size());
        // Back by at most what is unplayed, to where the mix last stood, at most a block short.
        const std::size_t back = mix.play(&b, blip.get(), false, 300);
        QVERIFY2(back <= 300 && back > 200, qPrintable(QString::number(back)));
        mix.mix(again.data(), back);
        // What is sent again goes on from where the old left off, as it was, until the new
        // voice comes through the limiter; then it sounds.
        const std::size_t from = sent.size() - back, late = platform::PeakLimiter::latency();
        for (std::size_t i = 0; i < late; ++i)
            QVERIFY2(std::abs(again[i] - sent[from + i]) <= 2, qPrintable(QString::number(i)));
        QVERIFY(std::abs(again[late + 20] - sent[from + late + 20]) > 1000);
        // A voice stopped meanwhile is never mixed again, and its clip may go.
        mix.stop(&b);
        QCOMPARE(mix.play(&b, blip.get(), false, 300), std::size_t(0));
    }

    void speechIsCutWithAFadeAndTheEffectsGoUnderIt()
    {
        const auto effect = platform::Movie::fromSamples(hum());
        const auto phrase = platform::Movie::spoken(hum());
        const auto hush = platform::Movie::spoken(std::vector<std::int16_t>(kRate, 0));
        const int player = 0, speaker = 0;
        platform::VoiceMix mix;
        const auto loudest = [&mix] { return loudestOf(mix, kRate / 10, kRate / 20); };
        mix.play(&player, effect.get(), true);
        const int alone = loudest();
        mix.play(&speaker, hush.get(), false);
        const double under = 20 * std::log10(double(loudest()) / alone);
        QVERIFY2(under < -8 && under > -10, qPrintable(QString::number(under)));

        // A phrase cut mid-word by silence fades out: no sample leaps as a cut would, and
        // nothing of it is left once the fade is over.
        mix.stop(&player);
        mix.play(&speaker, phrase.get(), false);
        std::vector<std::int16_t> out(1234);
        mix.mix(out.data(), out.size());
        mix.play(&speaker, hush.get(), false);
        std::vector<std::int16_t> after(kRate / 50);
        mix.mix(after.data(), after.size());
        int largestStep = std::abs(after[0] - out.back());
        for (std::size_t i = 1; i < after.size(); ++i)
            largestStep = std::max(largestStep, std::abs(after[i] - after[i - 1]));
        QVERIFY2(largestStep < 300, qPrintable(QString::number(largestStep)));
        QVERIFY(std::all_of(after.end() - kRate / 200, after.end(),
                            [](std::int16_t s) { return std::abs(s) < 30; }));
    }

    void limiterAddsNoClicksAndLetsTheQuietToneThrough()
    {
        // A quiet tone, then eight loud voices piling up on it, then the tone alone again.
        std::vector<float> in(kRate * 3);
        std::mt19937 chance(7);
        for (std::size_t i = 0; i < in.size(); ++i)
            in[i] = 0.1f * std::sin(2 * M_PI * 440 * i / kRate);
        for (int voice = 0; voice < 8; ++voice) {
            const double hz = 200 + chance() % 3000;
            const std::size_t start = kRate / 2 + voice * kRate / 20;
            for (std::size_t i = 0; i < std::size_t(kRate) / 2; ++i)
                in[start + i] += 0.4f * std::sin(2 * M_PI * hz * i / kRate);
        }
        std::vector<float> out = in;
        platform::PeakLimiter limiter(kRate, -1.0);
        limiter.process(out.data(), out.size());

        const std::size_t late = platform::PeakLimiter::latency();
        QVERIFY(late <= std::size_t(kRate) * 3 / 1000);
        float largestStepIn = 0, largestStepOut = 0;
        for (std::size_t i = 1; i < in.size(); ++i) {
            largestStepIn = std::max(largestStepIn, std::fabs(in[i] - in[i - 1]));
            largestStepOut = std::max(largestStepOut, std::fabs(out[i] - out[i - 1]));
        }
        QVERIFY(largestStepOut <= largestStepIn);
        // Before the pile-up and half a second after it the tone passes untouched.
        for (std::size_t i : {std::size_t(kRate) / 4, std::size_t(kRate) * 5 / 2})
            QVERIFY(std::fabs(out[i + late] - in[i]) < 1e-3f);
    }

    void mashStaysAboutAsLoudAsOneSoundAndNeverClips()
    {
        // A sound set's eight players, the loudest sounds in them, and speech over them.
        const auto words = platform::Movie::spoken(Media::Glass()->samples());
        const std::vector<const platform::Movie*> sounds{
            Media::realGiantbell(), Media::Submarine(), Media::QuillomoSound20(),
            Media::Ping(),          Media::Basso(),     Media::Blow(),
            Media::Glass(),         Media::realBoing(), words.get()};
        std::vector<double> alone;
        for (std::size_t v = 0; v < sounds.size(); ++v) {
            alone.push_back(loudness::loudestSecond(mixed(sounds, {{0, v}}, kRate * 3)));
            QVERIFY(loudness::loudestSecond(samplesOf(sounds[v]->samples(), kRate * 3)) -
                        alone.back() <=
                    2.5);
        }
        std::sort(alone.begin(), alone.end());
        const double oneSound = alone[alone.size() / 2];

        for (int perSecond : {10, 50}) {
            // Each press starts one of the players afresh, cutting off what it played before.
            std::vector<std::pair<std::size_t, std::size_t>> presses;
            std::mt19937 chance(perSecond);
            for (std::size_t t = 0; t < std::size_t(kRate) * 5; t += kRate / perSecond)
                presses.emplace_back(t, chance() % sounds.size());
            const synth::Buffer out = mixed(sounds, presses, kRate * 6);
            QVERIFY(loudness::truePeakDb(out) <= -1.0);
            // Twelve decibels over one sound unlevelled; a few at most once levelled.
            const double over = loudness::loudestSecond(out) - oneSound;
            QVERIFY2(over <= 4.5, qPrintable(QString::number(over)));
        }
    }

    void soundSaysWhyItWentOnceAndPausesWhileIdle()
    {
        // What a kind of server does when asked: not answer (""), refuse saying why, or play.
        // (No server at all, and the lines when one is back, are the sound test's, on real ones.)
        struct Server {
            std::string refusal;
            std::atomic<bool> plays{false}, lost{false}, paused{false};
        };
        class FakeDevice : public platform::SoundDevice {
          public:
            explicit FakeDevice(Server& server) : server_(server) {}
            bool open(const Pull&) override { return server_.plays; }
            bool lost() const override { return server_.lost; }
            std::string failure() const override
            {
                return server_.lost ? "Connection terminated" : server_.refusal;
            }
            void pause(bool paused) override { server_.paused = paused; }

          private:
            Server& server_;
        };
        const std::string silent = "; playing without sound until it is back";
        const std::string refused = "sound server refused the stream: Access denied";
        // Asked in turn: the first does not answer, the others refuse; the last starts playing
        // later, then is lost.
        Server servers[3];
        servers[1].refusal = refused;
        servers[2].refusal = "sound server has no output";
        std::vector<platform::SoundDeviceMaker> makers;
        for (Server& server : servers)
            makers.push_back([&server] { return std::make_unique<FakeDevice>(server); });
        Server& last = servers[2];
        std::mutex mutex;
        std::vector<std::string> lines;
        const auto said = [&] {
            std::lock_guard<std::mutex> lock(mutex);
            return lines;
        };
        platform::SoundLink link(
            makers, [](std::int16_t*, std::size_t) { return false; }, nullptr,
            [&](const std::string& line) {
                std::lock_guard<std::mutex> lock(mutex);
                lines.push_back(line);
            });
        // The first refusal is said, once, though every server is asked again each second.
        QTRY_COMPARE(said(), std::vector<std::string>{refused + silent});
        QTest::qWait(1500);
        QCOMPARE(said().size(), std::size_t(1));
        last.plays = true;
        QTRY_VERIFY(link.connected());
        // Nothing sounds: the stream pauses, until something starts.
        QTRY_VERIFY_WITH_TIMEOUT(last.paused, 3000);
        link.wake();
        QTRY_VERIFY(!last.paused);
        last.plays = false;
        last.lost = true;
        QTRY_COMPARE(said().back(), "lost the sound output: Connection terminated" + silent);
    }

    void damagedOrOddSoundFilesAreRefusedOrRead()
    {
        QTemporaryDir dir;
        std::string error;
        const auto load = [&](const QByteArray& bytes) {
            QFile file(dir.filePath("sound.wav"));
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
            file.close();
            return platform::Movie::load(file.fileName().toStdString(), error);
        };
        // Stereo 16-bit PCM at 44.1 kHz, its data chunk claiming more than the file holds: what is
        // there is kept, the two channels mixed.
        const QByteArray wav = QByteArray::fromHex("52494646 00000000 57415645 666d7420 10000000 "
                                                   "0100 0200 44ac0000 10b10200 0400 1000 "
                                                   "64617461 40420f00") +
                               QByteArray::fromHex("e803 b80b").repeated(4800);
        auto movie = load(wav);
        QVERIFY(movie);
        QCOMPARE(int(movie->samples().size()), 4800);
        QCOMPARE(int(movie->samples()[100]), 2000);

        // Not a WAV; another rate, floating-point or 8-bit samples: refused, saying why.
        for (const auto& [at, value] :
             std::initializer_list<std::pair<int, char>>{{0, 'X'}, {26, 1}, {20, 3}, {34, 8}}) {
            QByteArray bytes = wav;
            bytes[at] = value;
            QVERIFY2(!load(bytes), qPrintable(QString::number(at)));
            QVERIFY(error.find(at ? "44.1 kHz" : "not a WAV") != std::string::npos);
        }
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
