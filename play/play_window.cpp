// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/play_window.h"

#include "play/play_callbacks.h"

#include "drawing/ink.h"
#include "drawing/random_draw.h"
#include "platform/audio/speech.h"
#include "platform/input/keyboard.h"
#include "platform/runtime/language.h"
#include "platform/runtime/parent_chord.h"
#include "platform/runtime/runtime.h"
#include "platform/ui/canvas.h"
#include "platform/ui/graphics.h"
#include "platform/ui/menu_bar.h"
#include "platform/ui/menu_item.h"
#include "platform/ui/movie_player.h"
#include "platform/ui/shared_window.h"
#include "platform/ui/static_text.h"
#include "platform/ui/timer.h"
#include "settings/module1.h"

namespace {

constexpr platform::Rect kDesignBox{0, 0, 300, 300};
constexpr platform::Rect kCanvasBox{8, 7, 284, 284};
constexpr platform::Rect kHelpBox{3, 279, 394, 20};
constexpr int kTimer1Period = 1000;
constexpr int kTimer2Period = 1500;
constexpr int kMillisecondsPerSecond = 1000;
// The key code the scan finds when no key is down any more (a key let go at once).
constexpr std::int32_t kNoKeyHeld = 13;
// The code of the Command key (left Super on a PC): held, it swallows the press.
constexpr std::int32_t kSwallowedKey = 133;
constexpr std::int32_t kHighestKeyCode = 255;
constexpr std::int32_t kShapes = 6;

const platform::TextStyle kHelpStyle{"System", 12, false, platform::RGB(0, 0, 0)};

} // namespace

Window1& Window1::shared()
{
    return platform::SharedWindow<Window1>::get();
}

bool Window1::isOpen()
{
    return platform::SharedWindow<Window1>::exists();
}

Window1::Window1() : platform::Window(kDesignBox, "Untitled")
{
    // The desktop's close box does not end play, and a child's Alt+Tab or Super key must not
    // take it out of the toy; only the parent's Quit does.
    setUpForPlay();
    setRole("play");

    Canvas1 = add<platform::Canvas>("Canvas1", kCanvasBox);
    Canvas1->setAnchors(platform::AnchorAll);
    Timer1 = add<platform::Timer>("Timer1", platform::Timer::ModeOff, kTimer1Period);
    Timer2 = add<platform::Timer>("Timer2", platform::Timer::ModeOff, kTimer2Period);
    platform::MoviePlayer** named[] = {&MoviePlayer1, &MoviePlayer2, &MoviePlayer3, &MoviePlayer4,
                                       &MoviePlayer5, &MoviePlayer6, &MoviePlayer7, &MoviePlayer8};
    SoundBoard::Players players{};
    for (std::size_t i = 0; i < players.size(); ++i) {
        players[i] = add<platform::MoviePlayer>("MoviePlayer" + std::to_string(i + 1), false);
        *named[i] = players[i];
    }
    sounds_ = SoundBoard(players);
    SpeechPlayer = add<platform::MoviePlayer>("SpeechPlayer", false);
    phrases_ = std::make_unique<PhraseBank>(*SpeechPlayer, platform::Speech::system());
    StaticText1 = add<platform::StaticText>("StaticText1", kHelpBox, helpLine(), kHelpStyle);
    StaticText1->setAnchors(platform::AnchorLeft | platform::AnchorBottom);

    Canvas1->Paint = [this](platform::Graphics& g) { Canvas1_Paint(g); };
    Canvas1->Open = [this] { Canvas1_Open(); };
    Timer1->Action = [this] { Timer1_Action(); };
    Timer2->Action = [this] { Timer2_Action(); };
}

std::string Window1::helpLine()
{
    return platform::filled(
        platform::translate("Window1", "Press %1 for Preferences or %2 to Quit"),
        {platform::ParentChord::preferences().name(true),
         platform::ParentChord::quit().name(true)});
}

void Window1::Event_LanguageChanged()
{
    StaticText1->setText(helpLine());
    applySpeech();
}

void Window1::applySpeech()
{
    if (Module1::speakMode == Word::on)
        phrases_->prepare(Module1::language);
}

platform::MoviePlayer& Window1::player(std::int32_t n) const
{
    return sounds_.player(n);
}

void Window1::Canvas1_Paint(platform::Graphics&) {}

void Window1::Canvas1_Open()
{
    Screen_width = platform::Screen(0).Width;
    Screen_height = platform::Screen(0).Height;
}

void Window1::AddMenuHandlers()
{
    addMenuHandler("Prefs", [this] { return Prefs_Action(); });
}

void Window1::Event_EnableMenuItems()
{
    if (platform::MenuItem* prefs = platform::MenuBar::find("Prefs"))
        prefs->setEnable(true);
}

bool Window1::Prefs_Action()
{
    if (callbacks_)
        callbacks_->showPreferences();
    return false;
}

void Window1::Event_Open()
{
    if (callbacks_)
        callbacks_->silenceStartScreen();
    Screen_width = platform::Screen(0).Width;
    Screen_height = platform::Screen(0).Height;
    setBounds({0, 0, Screen_width, Screen_height});
    setPalette();
    Timer1->setMode(platform::Timer::ModeOff);
    Timer2->setMode(platform::Timer::ModeOff);
    // The settings are not put back to their defaults here: they hold them from the start,
    // and a parent's choices made on the first start screen must survive.
    lineCol = palette.col_Black;
    if (callbacks_)
        callbacks_->showStartScreen();
    setBackColor();
    defaultsettings();
}

void Window1::restartCountdown()
{
    Timer1->setPeriod(Module1::delayTime * kMillisecondsPerSecond);
    Timer2->setMode(platform::Timer::ModeOff);
}

bool Window1::Event_KeyDown(const std::string&)
{
    restartCountdown();
    std::int32_t code = kNoKeyHeld;
    for (std::int32_t candidate = 0; candidate <= kHighestKeyCode; ++candidate) {
        if (platform::Keyboard::AsyncKeyDown(candidate)) {
            code = candidate;
            break;
        }
        platform::RuntimeBackgroundTask();
    }
    if (code == kSwallowedKey)
        return true;
    key_Pressed(code);
    return false;
}

bool Window1::Event_MouseDown(int, int)
{
    restartCountdown();
    mouse_Pressed();
    return false;
}

void Window1::Event_MouseUp(int, int) {}

void Window1::mouse_Pressed()
{
    if (Module1::backMode == Word::changing)
        setBackColor();
    if (Module1::playMode == Word::backgroundOnly) {
        playSound();
        setBackColor();
        if (Module1::speakMode == Word::on)
            phrases_->sayColour(colourName(screenCol));
    } else {
        play_Rotation();
        draw_Random();
    }
}

void Window1::key_Pressed(std::int32_t code)
{
    mouse_Pressed();
    key_ReleaseCheck(code);
}

void Window1::key_ReleaseCheck(std::int32_t code)
{
    // Presses that arrive while a key is held get their action, but only the first key waits:
    // a child mashing keys while holding one must not pile up waits inside waits.
    if (waitingForRelease_)
        return;
    waitingForRelease_ = true;
    bool held = true;
    while (held && !platform::Keyboard::AsyncControlKey() && !isClosed()) {
        held = platform::Keyboard::AsyncKeyDown(code);
        // Sleeps until the next event (the release among them) instead of spinning.
        if (held)
            platform::RuntimeWaitForEvents();
    }
    waitingForRelease_ = false;
}

void Window1::Timer1_Action()
{
    Timer2->setMode(platform::Timer::ModeMultiple);
}

void Window1::Timer2_Action()
{
    mouse_Pressed();
}

void Window1::applyAutoPlay()
{
    if (Module1::autoMode == Word::off) {
        Timer1->setMode(platform::Timer::ModeOff);
        // Switching auto-play off stops the automatic play too, not only its countdown.
        Timer2->setMode(platform::Timer::ModeOff);
    } else {
        Timer1->setMode(platform::Timer::ModeMultiple);
        Timer1->setPeriod(Module1::delayTime * kMillisecondsPerSecond);
    }
}

void Window1::setPalette()
{
    palette.setColours();
}

void Window1::chooseFillColor()
{
    ranCol = palette.fillColor(screenCol);
}

void Window1::get_Line_Col()
{
    lineCol = palette.lineColor(screenCol, ranCol);
}

void Window1::get_Pos_n_Col(std::int32_t squareBox)
{
    const ShapeBox box = placement_.place(Canvas1->Width(), Canvas1->Height(), squareBox == 1);
    x_start = box.x;
    y_start = box.y;
    x_width = box.width;
    y_height = box.height;
    chooseFillColor();
    get_Line_Col();
}

void Window1::setBackColor()
{
    const std::int32_t n = background_.chooseCase(lastBackCase);
    lastBackCase = n;
    if (n >= 1 && n <= Palette::kBackgrounds) {
        screenCol = palette.backgroundColor(n);
        BackColor(screenCol);
        // The parent's help line stays readable on the darkest backgrounds too.
        StaticText1->setTextColor(readableInk(screenCol));
    }
}

void Window1::draw_Square()
{
    draw_Shape(1, ShapeRenderer::Shape::Box, PhraseBank::Kind::Square);
}

void Window1::draw_Rectangle()
{
    draw_Shape(0, ShapeRenderer::Shape::Box, PhraseBank::Kind::Rectangle);
}

void Window1::draw_Circle()
{
    draw_Shape(1, ShapeRenderer::Shape::Ellipse, PhraseBank::Kind::Circle);
}

void Window1::draw_Oval()
{
    draw_Shape(0, ShapeRenderer::Shape::Ellipse, PhraseBank::Kind::Oval);
}

void Window1::draw_Triangle()
{
    draw_Shape(1, ShapeRenderer::Shape::Triangle, PhraseBank::Kind::Triangle);
}

void Window1::draw_Romb()
{
    draw_Shape(1, ShapeRenderer::Shape::Rhombus, PhraseBank::Kind::Diamond);
}

void Window1::draw_Shape(std::int32_t squareBox, ShapeRenderer::Shape shape, PhraseBank::Kind kind)
{
    platform::Graphics& g = Canvas1->graphics();
    g.setUseOldRenderer(true);
    get_Pos_n_Col(squareBox);
    Canvas1->Refresh(true);
    renderer_.draw(g, shape, {x_start, y_start, x_width, y_height}, ranCol, lineCol);
    if (Module1::speakMode == Word::on)
        phrases_->sayShape(colourName(ranCol), kind);
}

PhraseBank::Colour Window1::colourName(platform::Color colour) const
{
    using C = PhraseBank::Colour;
    const std::pair<platform::Color, C> names[] = {
        {palette.col_Black, C::Black},     {palette.col_Blue, C::Blue},
        {palette.col_Green, C::Green},     {palette.col_Orange, C::Orange},
        {palette.col_Pink, C::Pink},       {palette.col_Red, C::Red},
        {palette.col_White, C::White},     {palette.col_Yellow, C::Yellow},
        {palette.col_LBlue, C::LightBlue}, {palette.col_LGreen, C::LightGreen},
        {palette.col_LPink, C::LightPink}, {palette.col_LYellow, C::LightYellow}};
    for (const auto& [value, name] : names)
        if (value == colour)
            return name;
    return C::White;
}

void Window1::draw_Random()
{
    switch (randomDraw(kShapes, 1)) {
    case 1:
        draw_Circle();
        break;
    case 2:
        draw_Oval();
        break;
    case 3:
        draw_Square();
        break;
    case 4:
        draw_Rectangle();
        break;
    case 5:
        draw_Triangle();
        break;
    default:
        draw_Romb();
    }
}

void Window1::defaultsettings()
{
    sounds_.loadDefault();
}

void Window1::applySoundComplexity()
{
    sounds_.loadChosen();
}

void Window1::play_Rotation()
{
    playing = sounds_.playNext(playing);
}

void Window1::playSound()
{
    sounds_.playAny();
}
