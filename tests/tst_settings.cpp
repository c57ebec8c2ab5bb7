// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences window: what it shows, what each control writes, and what closing applies.

#include "toy_fixture.h"

#include "media/media.h"
#include "platform/runtime/language.h"
#include "platform/ui/check_box.h"
#include "platform/ui/group_box.h"
#include "platform/ui/movie_player.h"
#include "platform/ui/push_button.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/slider.h"
#include "platform/ui/static_text.h"
#include "platform/ui/timer.h"
#include "play/play_window.h"
#include "settings/module1.h"
#include "settings/preferences_window.h"

#include <QtTest>

class TestSettings : public ToyFixture {
    Q_OBJECT

  private Q_SLOTS:
    void opensShowingTheDefaults()
    {
        Window2& w = Window2::shared();
        QVERIFY(w.MenuBarVisible());
        for (platform::RadioButton* chosen :
             {w.RadioButton1, w.RadioButton4, w.RadioButton7, w.RadioButton9})
            QVERIFY(chosen->Value());
        QVERIFY(!w.RadioButton2->Value()); // the layout's own choice gave way to White
        QVERIFY(w.CheckBox2->Value() && !w.CheckBox1->Value());
        QCOMPARE(w.Slider1->Value(), 20);
        QCOMPARE(w.StaticText1->Text(), std::string());
        QVERIFY(!Window1::isOpen()); // opening touches nothing of the play window
    }

    void eachRadioButtonWritesItsWord()
    {
        // The words are the settings' own, whatever language the window speaks.
        platform::Language::use("de");
        settle();
        Window2& w = Window2::shared();
        const struct {
            platform::RadioButton* button;
            const std::string* setting;
            const char* word;
        } cases[] = {
            {w.RadioButton2, &Module1::backMode, "different"},
            {w.RadioButton3, &Module1::backMode, "changing"},
            {w.RadioButton1, &Module1::backMode, "white"},
            {w.RadioButton5, &Module1::playMode, "backgroundOnly"},
            {w.RadioButton4, &Module1::playMode, "shapes"},
            {w.RadioButton6, &Module1::appearMode, "random"},
            {w.RadioButton7, &Module1::appearMode, "centered"},
            {w.RadioButton8, &Module1::soundComplexity, "simple"},
            {w.RadioButton10, &Module1::soundComplexity, "recognizable"},
            {w.RadioButton9, &Module1::soundComplexity, "complex"},
        };
        for (const auto& c : cases) {
            c.button->setValue(true);
            QCOMPARE(*c.setting, std::string(c.word));
        }
        w.CheckBox2->setValue(false);
        QCOMPARE(Module1::beginnersMode, std::string("off"));
    }

    void backgroundOnlyGreysTheShapeChoices()
    {
        Window2& w = Window2::shared();
        w.RadioButton5->setValue(true);
        for (platform::Control* c : std::initializer_list<platform::Control*>{
                 w.BacColBox, w.RadioButton1, w.RadioButton3, w.GroupBox3, w.RadioButton7})
            QVERIFY(!c->Enabled());
        QVERIFY(w.GroupBox5->Enabled());
        QCOMPARE(Module1::backMode, std::string("white")); // kept while greyed
        w.RadioButton4->setValue(true);
        QVERIFY(w.BacColBox->Enabled() && w.RadioButton6->Enabled());

        w.RadioButton5->setValue(true);
        w.Close();
        settle();
        QVERIFY(!Window2::shared().BacColBox->Enabled() && !Window2::shared().GroupBox3->Enabled());
    }

    void sliderBands()
    {
        Window2& w = Window2::shared();
        const struct {
            int value;
            const char* label;
            int delay;
        } bands[] = {{2, "2 seconds", 2},    {29, "29 seconds", 29}, {30, "30 seconds", 30},
                     {44, "30 seconds", 30}, {59, "45 seconds", 45}, {60, "1 minute", 60},
                     {98, "1 minute", 60},   {99, "1 minute", 60},   {100, "2 minutes", 120},
                     {0, "1 second", 1}};
        for (const auto& band : bands) {
            w.Slider1->setValue(band.value);
            QCOMPARE(w.StaticText1->Text(), std::string(band.label));
            QCOMPARE(Module1::delayTime, band.delay);
        }
        QCOMPARE(w.Slider1->Value(), 1);                 // 0 goes back to 1
        QCOMPARE(Module1::autoMode, std::string("off")); // the slider never switches it on
    }

    void checkBoxShowsTheDelayOrWontPlay()
    {
        Window2& w = Window2::shared();
        w.Slider1->setValue(12);
        w.CheckBox1->setValue(true);
        QCOMPARE(Module1::autoMode, std::string(Word::on));
        w.CheckBox1->setValue(false);
        QCOMPARE(Module1::autoMode, std::string("off"));
        QCOMPARE(w.StaticText1->Text(), std::string("won't play"));
        w.Slider1->setValue(1);
        w.CheckBox1->setValue(true); // 1 - 1 = 0 is put back to 1, nested
        QCOMPARE(w.Slider1->Value(), 1);
        QCOMPARE(Module1::delayTime, 1);
        QCOMPARE(w.StaticText1->Text(), std::string("1 second"));
    }

    void reopeningKeepsTheChosenDelay()
    {
        Module1::autoMode = "on";
        for (int delay : {7, 30, 45, 60, 120}) {
            Module1::delayTime = delay;
            Window2& w = Window2::shared();
            QCOMPARE(Module1::delayTime, delay);
            QVERIFY(w.CheckBox1->Value());
            w.Close();
            settle();
            QCOMPARE(Module1::delayTime, delay);
        }
    }

    void eachWayOfClosingAppliesTimerSoundsAndBackground()
    {
        for (const std::string way : {"Play", "close box", "Return"}) {
            reset();
            Window1& play = Window1::shared();
            Window2& w = Window2::shared();
            w.Slider1->setValue(5);
            w.CheckBox1->setValue(true);
            w.RadioButton8->setValue(true);
            w.RadioButton3->setValue(true);
            w.CheckBox2->setValue(false);
            random->reset();
            random->push(ScriptedRandom::giving(4, 5, 1));
            if (way == "Play") {
                w.PushButton1->Push();
            } else if (way == "close box") {
                w.frame()->close();
            } else {
                // A desktop hands the keyboard over a moment before Qt takes the window as
                // active.
                QApplication::setActiveWindow(play.frame());
                QTest::keyClick(w.surface(), Qt::Key_Return);
            }
            QVERIFY2(w.isClosed(), way.c_str());
            QCOMPARE(play.Timer1->Mode(), platform::Timer::ModeMultiple);
            QCOMPARE(play.Timer1->Period(), 5000);
            QCOMPARE(play.MoviePlayer6->movie(), Media::Submarine());
            QCOMPARE(play.screenCol, play.palette.col_LGreen);
        }
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
