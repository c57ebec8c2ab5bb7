// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawing/background.h"
#include "drawing/palette.h"
#include "drawing/placement.h"
#include "drawing/shape_renderer.h"
#include "platform/ui/color.h"
#include "platform/ui/window.h"
#include "sound/phrase_bank.h"
#include "sound/sound_board.h"

#include <cstdint>
#include <memory>
#include <string>

class PlayCallbacks;

namespace platform {
class Canvas;
class Graphics;
class MoviePlayer;
class StaticText;
class Timer;
} // namespace platform

// The full-screen play window: every key press and click becomes a sound and a shape.
// The colours, places, shapes and backgrounds are worked out by the components of drawing/,
// the sounds by the sound board; the methods here hand them the window's state.
//
// Its two timers, both off until the parent switches auto-play on:
//   Timer1  the countdown of delayTime seconds, restarted by every press; when it runs out it
//           starts Timer2.
//   Timer2  plays as a press would, every 1.5 s, until the next real press stops it.
class Window1 : public platform::Window {
  public:
    static Window1& shared();
    static bool isOpen();
    // The windows above it, as the application hands them over.
    static void setCallbacks(PlayCallbacks* callbacks) { callbacks_ = callbacks; }

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
    platform::MoviePlayer* SpeechPlayer;
    platform::StaticText* StaticText1;

    std::int32_t Screen_width = 0;
    std::int32_t Screen_height = 0;
    std::int32_t x_width = 0;
    std::int32_t y_start = 0;
    std::int32_t x_start = 0;
    std::int32_t y_height = 0;

    // The twelve colours, col_Green to col_LGreen.
    Palette palette;

    platform::Color ranCol{};
    std::int32_t lastBackCase = 0;
    platform::Color lineCol{};
    platform::Color screenCol{};
    std::int32_t playing = 0;

    void Canvas1_Paint(platform::Graphics& g);
    void Canvas1_Open();
    void Timer1_Action();
    void Timer2_Action();
    bool Prefs_Action();

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
    platform::MoviePlayer& player(std::int32_t n) const;

    // The preferences' closing step: auto-play as the settings say, then the chosen sound set.
    void applyAutoPlay();
    void applySoundComplexity();
    // What appears is said aloud once the parent asks for it, in the language spoken.
    void applySpeech();
    PhraseBank& phrases() const { return *phrases_; }

    bool Event_KeyDown(const std::string& key) override;
    bool Event_MouseDown(int x, int y) override;
    void Event_MouseUp(int x, int y) override;
    void Event_Open() override;
    void Event_EnableMenuItems() override;
    void Event_LanguageChanged() override;

  protected:
    void AddMenuHandlers() override;

  private:
    static std::string helpLine();
    // Every real press starts the wait for auto-play again and stops automatic play.
    void restartCountdown();
    void setPalette();
    void chooseFillColor();
    void play_Rotation();
    void draw_Random();
    // One shape: placement and colours, a wiped canvas, then the shape.
    void draw_Shape(std::int32_t squareBox, ShapeRenderer::Shape shape, PhraseBank::Kind kind);
    // The name of one of the palette's colours.
    PhraseBank::Colour colourName(platform::Color colour) const;

    Placement placement_;
    ShapeRenderer renderer_;
    Background background_;
    SoundBoard sounds_;
    std::unique_ptr<PhraseBank> phrases_;
    bool waitingForRelease_ = false;
    static inline PlayCallbacks* callbacks_ = nullptr;
};
