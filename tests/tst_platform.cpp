// SPDX-License-Identifier: GPL-3.0-or-later
// The framework adapter: timers, controls that run their handlers, shared windows, input.

#include "toy_fixture.h"

#include "platform/check_box.h"
#include "platform/group_box.h"
#include "platform/movie.h"
#include "platform/radio_button.h"
#include "platform/runtime.h"
#include "platform/shared_window.h"
#include "platform/slider.h"
#include "platform/stage.h"
#include "platform/timer.h"
#include "platform/window.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <qpa/qplatformnativeinterface.h>

namespace {

// A small window that records what the framework made it do.
class ProbeWindow : public platform::Window {
  public:
    ProbeWindow() : platform::Window({0, 0, 200, 100}, "probe")
    {
        timer = add<platform::Timer>("Timer1", platform::Timer::ModeOff, 1000);
        timer->Action = [this] { log += "tick "; };
        slider = add<platform::Slider>("Slider1", platform::Rect{0, 0, 100, 20}, 0, 100, 1, 20, 20);
        slider->Open = [this] { log += "slider-open "; };
        slider->ValueChanged = [this] {
            log += "value" + std::to_string(slider->Value()) + " ";
            if (slider->Value() < 2)
                slider->setValue(1);
        };
        group = add<platform::GroupBox>("Group", platform::Rect{0, 30, 200, 60}, "g",
                                        platform::TextStyle{});
        for (int i = 0; i < 3; ++i) {
            radios[i] = add<platform::RadioButton>("Radio" + std::to_string(i),
                                                   platform::Rect{5, 5 + 15 * i, 80, 14}, "r",
                                                   platform::TextStyle{}, group, i == 0);
            radios[i]->Action = [this, i] { log += "radio" + std::to_string(i) + " "; };
        }
        box = add<platform::CheckBox>("Check", platform::Rect{100, 0, 100, 20}, "c",
                                      platform::TextStyle{}, nullptr, false);
        box->Action = [this] { log += box->Value() ? "checked " : "unchecked "; };
    }

    void Event_Open() override { log += "window-open "; }
    void Event_Close() override { log += "close "; }
    bool Event_KeyDown(const std::string& key) override
    {
        keys += key.empty() ? "?" : key;
        return false;
    }
    bool Event_MouseDown(int, int) override
    {
        log += "down ";
        return wantRelease;
    }
    void Event_MouseUp(int, int) override { log += "up "; }

    platform::Timer* timer;
    platform::Slider* slider;
    platform::GroupBox* group;
    platform::RadioButton* radios[3];
    platform::CheckBox* box;
    std::string log;
    std::string keys;
    int field = 0;
    bool wantRelease = false;
};

using Probe = platform::SharedWindow<ProbeWindow>;

class FullScreenProbeWindow : public ProbeWindow {
  public:
    FullScreenProbeWindow() { setFullScreen(true); }
};
using FullScreenProbe = platform::SharedWindow<FullScreenProbeWindow>;

struct ScreenSpec {
    const char* name;
    QRect geometry;
};

// Plugs screens in and out, as the offscreen platform lets a test do.
void setScreens(std::initializer_list<ScreenSpec> screens)
{
    QJsonArray list;
    for (const ScreenSpec& screen : screens) {
        list.append(QJsonObject{{"name", screen.name},
                                {"x", screen.geometry.x()},
                                {"y", screen.geometry.y()},
                                {"width", screen.geometry.width()},
                                {"height", screen.geometry.height()}});
    }
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    using Configure = void (*)(const QJsonObject&, QPlatformNativeInterface*);
    auto configure =
        reinterpret_cast<Configure>(native->nativeResourceForIntegration("setConfiguration"));
    configure(QJsonObject{{"screens", list}}, native);
    QCoreApplication::processEvents();
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
    ToyFixture toy;

  private Q_SLOTS:
    void init() { toy.reset(); }

    void timerRestartsOnPeriodAndKeepsItsMode()
    {
        ProbeWindow& w = Probe::get();
        w.log.clear();
        w.timer->setMode(platform::Timer::ModeMultiple); // starts counting from now
        toy.clock->advance(900);
        w.timer->setPeriod(1000); // the same period still restarts the countdown
        toy.clock->advance(900);
        QCOMPARE(w.log, std::string());
        toy.clock->advance(100);
        QCOMPARE(w.log, std::string("tick "));
        w.timer->setMode(platform::Timer::ModeMultiple); // the mode it has: no restart
        toy.clock->advance(1000);
        QCOMPARE(w.log, std::string("tick tick "));
        w.timer->setMode(platform::Timer::ModeOff);
        w.timer->setPeriod(10); // a stopped timer stays stopped
        toy.clock->advance(5000);
        QCOMPARE(w.log, std::string("tick tick "));
    }

    void valuesSetInCodeRunTheirHandlersOnlyOnChange()
    {
        ProbeWindow& w = Probe::get();
        w.log.clear();
        w.slider->setValue(20);
        QCOMPARE(w.log, std::string());
        w.slider->setValue(0); // the handler moves it to 1, nested, inside this call
        QCOMPARE(w.log, std::string("value0 value1 "));
        QCOMPARE(w.slider->Value(), 1);
        w.log.clear();
        w.box->setValue(true);
        w.box->setValue(true);
        w.box->setValue(false);
        QCOMPARE(w.log, std::string("checked unchecked "));
    }

    void radioButtonsExcludeEachOtherAndOnlyTheNewOneActs()
    {
        ProbeWindow& w = Probe::get();
        w.log.clear();
        w.radios[2]->setValue(true);
        QCOMPARE(w.log, std::string("radio2 "));
        QVERIFY(!w.radios[0]->Value());
        w.radios[2]->setValue(true);
        QCOMPARE(w.log, std::string("radio2 "));
    }

    void sharedWindowOpensOnceAndAfreshAfterClosing()
    {
        ProbeWindow& first = Probe::get();
        QCOMPARE(first.log, std::string("slider-open window-open "));
        QVERIFY(!first.isClosed());
        first.field = 7;
        QCOMPARE(&Probe::get(), &first);
        first.Close();
        QVERIFY(first.log.find("close") != std::string::npos);
        QVERIFY(!Probe::exists());
        ToyFixture::settle();
        ProbeWindow& second = Probe::get();
        QCOMPARE(second.field, 0);
        QCOMPARE(second.log, std::string("slider-open window-open "));
    }

    void closingStopsTheWindowsTimers()
    {
        ProbeWindow& w = Probe::get();
        w.timer->setMode(platform::Timer::ModeMultiple);
        QCOMPARE(toy.clock->running(), 1);
        w.Close();
        QCOMPARE(toy.clock->running(), 0);
    }

    void keysReachTheWindowButNotLoneModifiersOrRepeats()
    {
        ProbeWindow& w = Probe::get();
        QWidget* surface = w.surface();
        QTest::keyClick(surface, Qt::Key_A, Qt::NoModifier);
        QTest::keyClick(surface, Qt::Key_Shift);
        QTest::keyClick(surface, Qt::Key_Control);
        QTest::keyClick(surface, Qt::Key_Meta);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"), true);
        QCoreApplication::sendEvent(surface, &repeat);
        QTest::keyClick(surface, Qt::Key_C, Qt::NoModifier);
        QCOMPARE(w.keys, std::string("ac"));
    }

    void mouseReleaseGoesOnlyWhereThePressAskedForIt()
    {
        ProbeWindow& w = Probe::get();
        w.log.clear();
        QTest::mouseClick(w.surface(), Qt::LeftButton, {}, QPoint(150, 80));
        QCOMPARE(w.log, std::string("down "));
        w.wantRelease = true;
        QTest::mouseClick(w.surface(), Qt::LeftButton, {}, QPoint(150, 80));
        QCOMPARE(w.log, std::string("down down up "));
    }

    void stagesCoverEveryScreenAndFollowThem()
    {
        const QRect first(0, 0, 1024, 768);
        const QRect second(1024, 0, 800, 600);
        setScreens({{"main", first}, {"side", second}});
        ProbeWindow& front = FullScreenProbe::get();
        QCOMPARE(platform::Stage::all().size(), 2);
        QCOMPARE(platform::Stage::main()->geometry(), first);
        QCOMPARE(platform::Stage::all()[1]->geometry(), second);
        QCOMPARE(front.Width(), 1024);

        // A click on the other screen is a click on the window in front; a key too.
        QTest::mouseClick(platform::Stage::all()[1], Qt::LeftButton, {}, QPoint(400, 300));
        QVERIFY(front.log.find("down") != std::string::npos);
        QTest::keyClick(platform::Stage::all()[1], Qt::Key_B);
        QCOMPARE(front.keys, std::string("b"));

        // The first screen goes: the main stage, and the window on it, move to the next one.
        setScreens({{"side", second}});
        QCOMPARE(platform::Stage::all().size(), 1);
        QCOMPARE(platform::Stage::main()->geometry(), second);
        QCOMPARE(front.Width(), 800);

        setScreens({{"side", second}, {"main", first}});
        QCOMPARE(platform::Stage::all().size(), 2);
        setScreens({{"main", QRect(0, 0, 1024, 768)}});
        QCOMPARE(platform::Stage::all().size(), 1);
    }

    void textHelpers()
    {
        QCOMPARE(platform::NthField("a*bb*c", "*", 2), std::string("bb"));
        QCOMPARE(platform::NthField("a*bb*c", "*", 3), std::string("c"));
        QCOMPARE(platform::NthField("a*bb*c", "*", 4), std::string());
        QCOMPARE(platform::Str(12) + " seconds", std::string("12 seconds"));
        QCOMPARE(platform::Chr(13), std::string("\r"));
    }

    void damagedOrOddSoundFilesAreRefusedOrRead()
    {
        QTemporaryDir dir;
        const auto write = [&](const char* name, const QByteArray& bytes) {
            QFile file(dir.filePath(name));
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
            return dir.filePath(name).toStdString();
        };
        std::string error;
        QVERIFY(!platform::Movie::load(write("junk.wav", "not a sound at all"), error));
        QVERIFY(error.find("not a WAV") != std::string::npos);
        QVERIFY(!platform::Movie::load(dir.filePath("absent.wav").toStdString(), error));

        // 48 kHz stereo, its data chunk claiming more than the file holds.
        QByteArray wav("RIFF\0\0\0\0WAVEfmt ", 16);
        const auto u32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
        const auto u16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
        wav += u32(16) + u16(1) + u16(2) + u32(48000) + u32(48000 * 4) + u16(4) + u16(16);
        wav += QByteArray("data") + u32(1000000);
        for (int i = 0; i < 4800; ++i)
            wav += u16(1000) + u16(3000);
        auto movie = platform::Movie::load(write("short.wav", wav), error);
        QVERIFY(movie);
        QCOMPARE(int(movie->samples().size()), 4410);
        QCOMPARE(int(movie->samples()[100]), 2000);

        QByteArray floats = wav;
        floats[20] = 3; // IEEE float, which the mixer does not take
        QVERIFY(!platform::Movie::load(write("float.wav", floats), error));
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
