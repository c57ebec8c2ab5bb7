// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/color.h"
#include "platform/window.h"

#include <cstdint>
#include <string>

namespace platform {
class Canvas;
class Graphics;
class MoviePlayer;
class PrefsMenuItem;
class StaticText;
class Timer;
} // namespace platform

// The full-screen play window: every key press and click becomes a sound and a shape.
// Its methods live with the subsystems that own them: input and timers here, the colours,
// places, shapes and backgrounds in drawing/, the sounds in sound/.
class Window1 : public platform::Window {
  public:
    static Window1& shared();
    static bool isOpen();

    Window1();

    platform::Canvas* Canvas1;
    platform::Timer* Timer1;
    platform::Timer* Timer2;
    platform::MoviePlayer* MoviePlayer1;
    platform::MoviePlayer* MoviePlayer2;
    platform::MoviePlayer* MoviePlayer3;
    platform::MoviePlayer* MoviePlayer4;
    platform::MoviePlayer* MoviePlayer5;
    platform::MoviePlayer* MoviePlayer6;
    platform::MoviePlayer* MoviePlayer7;
    platform::MoviePlayer* MoviePlayer8;
    platform::StaticText* StaticText1;

    std::int32_t Screen_width = 0;
    std::int32_t Screen_height = 0;
    std::int32_t x_width = 0;
    std::int32_t y_start = 0;
    std::int32_t x_start = 0;
    std::int32_t y_height = 0;

    platform::Color col_Green{};
    platform::Color col_Red{};
    platform::Color col_Yellow{};
    platform::Color col_Blue{};
    platform::Color col_Pink{};
    platform::Color col_Orange{};
    platform::Color col_Black{};
    platform::Color col_White{};
    platform::Color col_LPink{};
    platform::Color col_LYellow{};
    platform::Color col_LBlue{};
    platform::Color col_LGreen{};

    platform::Color ranCol{};
    std::int32_t lastBackCase = 0;
    platform::Color lineCol{};
    platform::Color screenCol{};
    std::int32_t playing = 0;

    void Canvas1_Paint(platform::Graphics& g);
    void Canvas1_Open();
    void Timer1_Action();
    void Timer2_Action();
    void StaticText1_Open();
    bool Prefs_Action();
    platform::PrefsMenuItem& Prefs();

    void mouse_Pressed();
    void key_Pressed(std::int32_t code);
    void key_ReleaseCheck(std::int32_t code);

    void draw_Square();
    void draw_Rectangle();
    void draw_Circle();
    void draw_Oval();
    void draw_Triangle();
    void draw_Romb();
    void get_Pos_n_Col(std::int32_t squareBox);
    void get_Line_Col();
    void setBackColor();

    void playSound();
    void defaultsettings();
    // Player n, found by its name "MoviePlayer" followed by n.
    platform::MoviePlayer& player(int n) const;

    bool Event_KeyDown(const std::string& key) override;
    bool Event_MouseDown(int x, int y) override;
    void Event_MouseUp(int x, int y) override;
    void Event_Open() override;
    void Event_EnableMenuItems() override;

  protected:
    void AddMenuHandlers() override;

  private:
    void setPalette();
    void chooseFillColor();
    void play_Rotation();
    void draw_Random();
    enum class Shape { Box, Ellipse, Triangle, Rhombus };
    // One shape: placement and colours, a wiped canvas, the fill, a 10-pixel outline over it.
    void draw_Shape(std::int32_t squareBox, Shape shape);

    bool waitingForRelease_ = false;
};
