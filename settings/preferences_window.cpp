// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/preferences_window.h"

#include "platform/runtime/language.h"
#include "platform/runtime/resource_store.h"
#include "platform/runtime/runtime.h"
#include "platform/ui/application.h"
#include "platform/ui/check_box.h"
#include "platform/ui/group_box.h"
#include "platform/ui/popup_menu.h"
#include "platform/ui/push_button.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/shared_window.h"
#include "platform/ui/show_url.h"
#include "platform/ui/slider.h"
#include "platform/ui/static_text.h"
#include "platform/ui/timer.h"
#include "play/play_window.h"
#include "settings/module1.h"

#include <algorithm>
#include <functional>

namespace {

constexpr platform::Rect kWindowBox{0, 0, 584, 381};
constexpr int kSliderMinimum = 0;
constexpr int kSliderMaximum = 100;
constexpr int kSliderLineStep = 1;
constexpr int kSliderPageStep = 20;
constexpr int kSliderDesignValue = 20;
constexpr int kSecondsPerMinute = 60;
// How often the window looks whether the play window has tried the language's voice.
constexpr int kVoiceLookMs = 100;

const platform::TextStyle kText{"System", 12, false, platform::RGB(0, 0, 0)};
const platform::TextStyle kCaption{"System", 12, true, platform::RGB(0, 0, 0)};

// The design places a group's controls in window coordinates; Qt wants them in the group's.
platform::Rect inGroup(platform::Rect box, const platform::GroupBox* group)
{
    return {box.left - group->Left(), box.top - group->Top(), box.width, box.height};
}

} // namespace

Window2& Window2::shared()
{
    return platform::SharedWindow<Window2>::get();
}

bool Window2::isOpen()
{
    return platform::SharedWindow<Window2>::exists();
}

int Window2::sliderPositionFor(int delayTime)
{
    if (delayTime >= 1 && delayTime <= 30)
        return delayTime;
    if (delayTime == 45 || delayTime == 60)
        return delayTime;
    if (delayTime == 120)
        return kSliderMaximum;
    return kSliderDesignValue;
}

Window2::Window2() : platform::Window(kWindowBox, "")
{
    setRole("preferences");
    setGrowsToFitTexts(true);
    setMenuBarVisible(true);
    setPlacementCentered(true);
    using platform::CheckBox;
    using platform::GroupBox;
    using platform::RadioButton;
    using platform::Rect;

    BacColBox = add<GroupBox>("BacColBox", Rect{10, 123, 251, 120}, "", kCaption);
    RadioButton1 = add<RadioButton>("RadioButton1", inGroup({35, 151, 80, 20}, BacColBox), "",
                                    kText, BacColBox, false);
    RadioButton2 = add<RadioButton>("RadioButton2", inGroup({35, 180, 155, 20}, BacColBox), "",
                                    kText, BacColBox, true);
    RadioButton3 = add<RadioButton>("RadioButton3", inGroup({35, 210, 194, 20}, BacColBox), "",
                                    kText, BacColBox, false);
    GroupBox2 = add<GroupBox>("GroupBox2", Rect{10, 14, 251, 100}, "", kCaption);
    RadioButton4 = add<RadioButton>("RadioButton4", inGroup({35, 43, 194, 20}, GroupBox2), "",
                                    kText, GroupBox2, true);
    RadioButton5 = add<RadioButton>("RadioButton5", inGroup({35, 70, 186, 25}, GroupBox2), "",
                                    kText, GroupBox2, false);
    CheckBox1 = add<CheckBox>("CheckBox1", Rect{312, 30, 219, 42}, "", kText, nullptr, false);
    Slider1 = add<platform::Slider>("Slider1", Rect{326, 73, 134, 22}, kSliderMinimum,
                                    kSliderMaximum, kSliderLineStep, kSliderPageStep,
                                    sliderPositionFor(Module1::delayTime));
    StaticText1 = add<platform::StaticText>("StaticText1", Rect{472, 64, 68, 21}, "", kText);
    GroupBox1 = add<GroupBox>("GroupBox1", Rect{301, 14, 251, 92}, "", kCaption);
    GroupBox3 = add<GroupBox>("GroupBox3", Rect{10, 258, 251, 57}, "", kCaption);
    RadioButton6 = add<RadioButton>("RadioButton6", inGroup({20, 282, 80, 20}, GroupBox3), "",
                                    kText, GroupBox3, false);
    RadioButton7 = add<RadioButton>("RadioButton7", inGroup({112, 282, 137, 20}, GroupBox3), "",
                                    kText, GroupBox3, false);
    GroupBox4 = add<GroupBox>("GroupBox4", Rect{301, 128, 251, 52}, "", kCaption);
    CheckBox2 = add<CheckBox>("CheckBox2", inGroup({312, 145, 228, 26}, GroupBox4), "", kText,
                              GroupBox4, false);
    // Between the beginners' box and the sound box, where the design left room.
    SpeakBox = add<CheckBox>("SpeakBox", Rect{312, 184, 240, 22}, "", kText, nullptr, false);
    VoiceTimer = add<platform::Timer>("VoiceTimer", platform::Timer::ModeOff, kVoiceLookMs);
    GroupBox5 = add<GroupBox>("GroupBox5", Rect{302, 209, 250, 106}, "", kText);
    RadioButton8 = add<RadioButton>("RadioButton8", inGroup({312, 232, 208, 20}, GroupBox5), "",
                                    kText, GroupBox5, false);
    RadioButton9 = add<RadioButton>("RadioButton9", inGroup({312, 262, 228, 20}, GroupBox5), "",
                                    kText, GroupBox5, false);
    RadioButton10 = add<RadioButton>("RadioButton10", inGroup({312, 293, 219, 20}, GroupBox5), "",
                                     kText, GroupBox5, false);
    PushButton1 = add<platform::PushButton>("PushButton1", Rect{468, 340, 84, 20}, "", kText, true);
    PushButton2 = add<platform::PushButton>("PushButton2", Rect{267, 340, 83, 20}, "", kText);
    // Beside the buttons, where the design left room.
    LanguageLabel = add<platform::StaticText>("LanguageLabel", Rect{12, 342, 78, 18}, "", kText);
    LanguageMenu = add<platform::PopupMenu>("LanguageMenu", Rect{92, 337, 164, 24}, kText);
    for (const std::string& code : platform::Language::all())
        LanguageMenu->AddRow(platform::Language::nameOf(code));
    showTexts();

    // Each radio button shows one word of one setting and writes it when chosen.
    struct Choice {
        RadioButton* button;
        std::string* setting;
        std::string_view word;
    };
    const Choice choices[] = {
        {RadioButton1, &Module1::backMode, Word::white},
        {RadioButton2, &Module1::backMode, Word::different},
        {RadioButton3, &Module1::backMode, Word::changing},
        {RadioButton4, &Module1::playMode, Word::shapes},
        {RadioButton5, &Module1::playMode, Word::backgroundOnly},
        {RadioButton6, &Module1::appearMode, Word::random},
        {RadioButton7, &Module1::appearMode, Word::centered},
        {RadioButton8, &Module1::soundComplexity, Word::simple},
        {RadioButton9, &Module1::soundComplexity, Word::complex},
        {RadioButton10, &Module1::soundComplexity, Word::recognizable},
    };
    for (const Choice& choice : choices) {
        choice.button->Open = [choice] {
            if (*choice.setting == choice.word)
                choice.button->setValue(true);
        };
        choice.button->Action = [this, choice] {
            *choice.setting = choice.word;
            if (choice.button == RadioButton4)
                setShapeControlsEnabled(true);
            else if (choice.button == RadioButton5)
                setShapeControlsEnabled(false);
        };
    }
    CheckBox1->Open = [this] { CheckBox1_Open(); };
    CheckBox1->Action = [this] { CheckBox1_Action(); };
    CheckBox2->Open = [this] { CheckBox2_Open(); };
    CheckBox2->Action = [this] { CheckBox2_Action(); };
    SpeakBox->Open = [this] { SpeakBox_Open(); };
    SpeakBox->Action = [this] { SpeakBox_Action(); };
    VoiceTimer->Action = [this] { VoiceTimer_Action(); };
    Slider1->ValueChanged = [this] { Slider1_ValueChanged(); };
    PushButton1->Action = [this] { PushButton1_Action(); };
    PushButton2->Action = [this] { PushButton2_Action(); };
    LanguageMenu->Open = [this] { LanguageMenu_Open(); };
    LanguageMenu->Change = [this] { LanguageMenu_Change(); };
}

void Window2::showTexts()
{
    setTitle(platform::translate("Window2", "Tumbletot Preferences"));
    BacColBox->setCaption(platform::translate("Window2", "Background color"));
    RadioButton1->setCaption(platform::translate("Window2", "White"));
    RadioButton2->setCaption(platform::translate("Window2", "Different each game"));
    RadioButton3->setCaption(platform::translate("Window2", "Change every click"));
    GroupBox2->setCaption(platform::translate("Window2", "Play mode"));
    RadioButton4->setCaption(platform::translate("Window2", "Baby makes new shapes"));
    RadioButton5->setCaption(platform::translate("Window2", "Only background changes"));
    CheckBox1->setCaption(
        platform::translate("Window2", "Tumbletot plays alone if Baby doesn't play after"));
    GroupBox1->setCaption(platform::translate("Window2", "Play automatically"));
    GroupBox3->setCaption(platform::translate("Window2", "Shapes appear"));
    RadioButton6->setCaption(platform::translate("Window2", "Random"));
    RadioButton7->setCaption(platform::translate("Window2", "Centered on screen"));
    GroupBox4->setCaption(platform::translate("Window2", "Beginners mode"));
    CheckBox2->setCaption(platform::translate("Window2", "Use only red, white and black"));
    SpeakBox->setCaption(platform::translate("Window2", "Say what appears"));
    SpeakBox->setEnabled(true);
    GroupBox5->setCaption(platform::translate("Window2", "Sound"));
    RadioButton8->setCaption(platform::translate("Window2", "Simple (chirps and beeps)"));
    RadioButton9->setCaption(platform::translate("Window2", "Complex (harmonies and signals)"));
    RadioButton10->setCaption(platform::translate("Window2", "Recognizable (real world sounds)"));
    PushButton1->setCaption(platform::translate("Window2", "Play"));
    PushButton2->setCaption(platform::translate("Window2", "Web site"));
    LanguageLabel->setText(platform::translate("Window2", "Language"));
    StaticText1->setText(showTime = delayText(shownDelay_));
}

void Window2::Event_LanguageChanged()
{
    showTexts();
    // Ticked, the new language's voice is tried; unticked, it is when the box is ticked.
    if (Module1::speakMode == Word::on)
        VoiceTimer->setMode(platform::Timer::ModeMultiple);
}

void Window2::LanguageMenu_Open()
{
    const std::vector<std::string> codes = platform::Language::all();
    const auto at = std::find(codes.begin(), codes.end(), Module1::language);
    LanguageMenu->setListIndex(at == codes.end() ? 0 : int(at - codes.begin()));
}

void Window2::LanguageMenu_Change()
{
    const std::vector<std::string> codes = platform::Language::all();
    const int index = LanguageMenu->ListIndex();
    // Opening shows the language spoken, which needs no second loading.
    if (index >= 0 && index < int(codes.size()) && codes[std::size_t(index)] != Module1::language)
        Module1::language = platform::Language::use(codes[std::size_t(index)]);
}

std::string Window2::delayText(int seconds)
{
    if (seconds < 0)
        return platform::translate("Window2", "won't play");
    if (seconds == 0)
        return "";
    if (seconds == 1)
        return platform::translate("Window2", "1 second");
    if (seconds < kSecondsPerMinute)
        return platform::translate("Window2", "%n seconds", nullptr, seconds);
    if (seconds == kSecondsPerMinute)
        return platform::translate("Window2", "1 minute");
    return platform::translate("Window2", "%n minutes", nullptr, seconds / kSecondsPerMinute);
}

void Window2::setShapeControlsEnabled(bool enabled)
{
    for (platform::Control* control : std::initializer_list<platform::Control*>{
             BacColBox, RadioButton1, RadioButton2, RadioButton3, GroupBox3, RadioButton6,
             RadioButton7})
        control->setEnabled(enabled);
}

void Window2::CheckBox1_Open()
{
    CheckBox1->setValue(Module1::autoMode == Word::on);
}

void Window2::CheckBox1_Action()
{
    if (!CheckBox1->Value()) {
        Module1::autoMode = Word::off;
        shownDelay_ = kWontPlay;
        StaticText1->setText(showTime = delayText(shownDelay_));
        StaticText1->Refresh();
        return;
    }
    Module1::autoMode = Word::on;
    const int v = Slider1->Value();
    Slider1->setValue(v - 1);
    Slider1->setValue(v);
}

void Window2::CheckBox2_Open()
{
    CheckBox2->setValue(Module1::beginnersMode == Word::on);
}

void Window2::CheckBox2_Action()
{
    Module1::beginnersMode = CheckBox2->Value() ? Word::on : Word::off;
}

void Window2::SpeakBox_Open()
{
    SpeakBox->setValue(Module1::speakMode == Word::on);
}

void Window2::SpeakBox_Action()
{
    Module1::speakMode = SpeakBox->Value() ? Word::on : Word::off;
    Window1::shared().applySpeech();
    VoiceTimer->setMode(platform::Timer::ModeMultiple);
}

void Window2::VoiceTimer_Action()
{
    if (!Window1::isOpen() || !Window1::shared().phrases().settled())
        return;
    VoiceTimer->setMode(platform::Timer::ModeOff);
    const std::string problem = Window1::shared().phrases().problem();
    if (problem.empty())
        return;
    SpeakBox->setCaption(platform::translate("Window2", "Say what appears") + " (" + problem + ")");
    SpeakBox->setValue(false);
    SpeakBox->setEnabled(false);
}

void Window2::Slider1_ValueChanged()
{
    const int v = Slider1->Value();
    if (v < 2) {
        Module1::delayTime = 1;
        Slider1->setValue(1);
    } else if (v <= 29) {
        Module1::delayTime = v;
    } else if (v <= 44) {
        Module1::delayTime = 30;
    } else if (v <= 59) {
        Module1::delayTime = 45;
    } else if (v <= 99) {
        // 99 has no band of its own; it stays with its lower neighbour.
        Module1::delayTime = 60;
    } else {
        Module1::delayTime = 120;
    }
    shownDelay_ = Module1::delayTime;
    StaticText1->setText(showTime = delayText(shownDelay_));
    StaticText1->Refresh();
}

void Window2::PushButton1_Action()
{
    Close();
}

void Window2::PushButton2_Action()
{
    platform::ShowURL("file://" +
                      platform::ResourceStore::inLanguage("about", ".html", Module1::language));
}

void Window2::Event_Close()
{
    // Quitting before play ever began: applying would open windows in the middle of the quit.
    if (platform::Application::quitting() && !Window1::isOpen())
        return;
    if (Module1::autoMode != Word::off)
        Module1::autoMode = Word::on;
    Window1& play = Window1::shared();
    play.applyAutoPlay();
    play.applySoundComplexity();
    play.setBackColor();
}
