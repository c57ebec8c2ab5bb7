// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/window.h"

#include <string>

namespace platform {
class CheckBox;
class GroupBox;
class PopupMenu;
class PushButton;
class RadioButton;
class Slider;
class StaticText;
class Timer;
} // namespace platform

// Where a parent edits the settings. Each control writes its setting at once; closing the
// window applies to the play window what cannot take effect by itself.
class Window2 : public platform::Window {
  public:
    static Window2& shared();
    static bool isOpen();

    Window2();

    platform::GroupBox* BacColBox;
    platform::RadioButton* RadioButton1;
    platform::RadioButton* RadioButton2;
    platform::RadioButton* RadioButton3;
    platform::GroupBox* GroupBox2;
    platform::RadioButton* RadioButton4;
    platform::RadioButton* RadioButton5;
    platform::CheckBox* CheckBox1;
    platform::Slider* Slider1;
    platform::StaticText* StaticText1;
    platform::GroupBox* GroupBox1;
    platform::GroupBox* GroupBox3;
    platform::RadioButton* RadioButton6;
    platform::RadioButton* RadioButton7;
    platform::GroupBox* GroupBox4;
    platform::CheckBox* CheckBox2;
    // Off by default; it says so when the language spoken has no voice.
    platform::CheckBox* SpeakBox;
    platform::Timer* VoiceTimer;
    platform::GroupBox* GroupBox5;
    platform::RadioButton* RadioButton8;
    platform::RadioButton* RadioButton9;
    platform::RadioButton* RadioButton10;
    platform::PushButton* PushButton1;
    platform::PushButton* PushButton2;
    platform::StaticText* LanguageLabel;
    platform::PopupMenu* LanguageMenu;

    std::string showTime;

    void CheckBox1_Open();
    void CheckBox1_Action();
    void CheckBox2_Open();
    void CheckBox2_Action();
    void SpeakBox_Open();
    void SpeakBox_Action();
    // Shows whether the language has a voice, once the play window has tried it.
    void VoiceTimer_Action();
    void Slider1_ValueChanged();
    void PushButton1_Action();
    void PushButton2_Action();
    void LanguageMenu_Open();
    void LanguageMenu_Change();
    void Event_Close() override;
    void Event_LanguageChanged() override;

    // Where the slider stands for a delay, so that opening the window keeps the delay chosen.
    static int sliderPositionFor(int delayTime);

    // The delay label's words, in the language spoken: a delay in seconds, or kWontPlay.
    static constexpr int kWontPlay = -1;
    static std::string delayText(int seconds);

  private:
    void setShapeControlsEnabled(bool enabled);
    void showTexts();

    int shownDelay_ = 0;
};
