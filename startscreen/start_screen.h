// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/window.h"

#include <cstdint>
#include <string>

namespace platform {
enum class DesktopKeys;
class Canvas;
class Graphics;
class MoviePlayer;
class Rectangle;
class StaticText;
class Timer;
} // namespace platform

// The title screen: orange, a yellow panel with the name, logos, instructions and a strip of
// credits drifting upwards, and music. Any key or click starts play.
class Window3 : public platform::Window {
  public:
    static Window3& shared();
    static bool isOpen();

    Window3();

    platform::Rectangle* Rectangle1;
    platform::StaticText* StaticText1;
    platform::StaticText* StaticText2;
    platform::Rectangle* Rectangle2;
    platform::StaticText* StaticText4;
    platform::Canvas* Canvas1;
    platform::MoviePlayer* MoviePlayer1;
    platform::Canvas* Canvas2;
    platform::Timer* Timer1;
    platform::Canvas* Canvas3;
    // Below the panel: a word to the parent when the desktop keeps some of its keys.
    platform::StaticText* DesktopNote;

    std::string credits;
    std::int32_t l_count = 0;
    std::string creditline;
    std::int32_t s_count = 0;

    void Rectangle1_Open();
    static std::string instructions();
    // A word to the parent when the desktop keeps some of its keys.
    static std::string desktopNote(platform::DesktopKeys keys);
    void MoviePlayer1_Open();
    void Canvas2_Open();
    void Timer1_Action();
    void Canvas3_Paint(platform::Graphics& g);
    bool Prefs_Action();

    bool Event_KeyDown(const std::string& key) override;
    bool Event_MouseDown(int x, int y) override;
    void Event_MouseUp(int x, int y) override;
    void Event_Close() override;
    void Event_EnableMenuItems() override;
    void Event_LanguageChanged() override;

  protected:
    void AddMenuHandlers() override;

  private:
    void startPlay();
    void showTexts();
    static void tellDesktopKeys(platform::DesktopKeys keys);
};
