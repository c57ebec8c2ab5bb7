// SPDX-License-Identifier: GPL-3.0-or-later
#include "startscreen/start_screen.h"

#include "media/media.h"
#include "platform/hold/hold.h"
#include "platform/runtime/language.h"
#include "platform/runtime/parent_chord.h"
#include "platform/runtime/runtime.h"
#include "platform/ui/canvas.h"
#include "platform/ui/graphics.h"
#include "platform/ui/menu_bar.h"
#include "platform/ui/menu_item.h"
#include "platform/ui/movie_player.h"
#include "platform/ui/picture.h"
#include "platform/ui/rectangle.h"
#include "platform/ui/shared_window.h"
#include "platform/ui/static_text.h"
#include "platform/ui/timer.h"
#include "play/play_window.h"
#include "settings/preferences_window.h"

namespace {

constexpr platform::Rect kDesignBox{0, 0, 767, 597};
constexpr platform::Color kOrange = platform::RGB(0xff, 0x6d, 0x00);
constexpr platform::Color kYellow = platform::RGB(0xff, 0xff, 0x00);
constexpr platform::Color kGrey = platform::RGB(0xcc, 0xcc, 0xcc);
constexpr platform::Color kBlack = platform::RGB(0, 0, 0);
constexpr platform::Color kBlue = platform::RGB(0, 0, 0xff);
constexpr platform::Color kCreditInk = platform::RGB(20, 20, 20);
constexpr int kTickMs = 100;
constexpr int kTicksPerLine = 40;
constexpr int kCreditFields = 3;
constexpr int kCreditX = 1;
constexpr int kCreditBaseline = 25;
constexpr int kCreditWrap = 300;

// A rounded, playful face stands in for the design's Marker Felt (package fonts-comic-neue).
const platform::TextStyle kTitleStyle{"Comic Neue", 60, true, kBlue, platform::TextStyle::Center};
// Helvetica resolves to Nimbus Sans or Liberation Sans on Linux.
const platform::TextStyle kTextStyle{"Helvetica", 18, false, kBlack, platform::TextStyle::Left};
// Under the panel, on the orange.
const platform::TextStyle kNoteStyle{"Helvetica", 14, false, kBlack, platform::TextStyle::Center};
constexpr std::int32_t kNoteGap = 12;
constexpr std::int32_t kNoteHeight = 40;
const platform::TextStyle kByStyle{"Helvetica", 18, false, kBlack, platform::TextStyle::Center};

// The strip's lines, one field each.
std::string creditLines()
{
    return platform::translate("Window3", "Tumbletot: shapes and sounds for little hands") + "*" +
           platform::translate("Window3", "Every sound and picture made by our own code") + "*" +
           platform::translate("Window3", "Free software: share it with other parents");
}

} // namespace

Window3& Window3::shared()
{
    return platform::SharedWindow<Window3>::get();
}

bool Window3::isOpen()
{
    return platform::SharedWindow<Window3>::exists();
}

Window3::Window3() : platform::Window(kDesignBox, "")
{
    // A child's Alt+Tab or Super key must not take it out of the toy.
    setUpForPlay();
    setRole("title");
    BackColor(kOrange);

    Rectangle1 = add<platform::Rectangle>("Rectangle1", platform::Rect{153, 89, 483, 352}, kYellow,
                                          kBlack, 1);
    StaticText1 = add<platform::StaticText>("StaticText1", platform::Rect{78, 179, 274, 127}, "",
                                            kTextStyle, Rectangle1);
    StaticText2 = add<platform::StaticText>("StaticText2", platform::Rect{53, 17, 375, 72},
                                            "Tumbletot", kTitleStyle, Rectangle1);
    Rectangle2 = add<platform::Rectangle>("Rectangle2", platform::Rect{0, 90, 483, 52}, kGrey,
                                          kBlack, 1, Rectangle1);
    StaticText4 = add<platform::StaticText>("StaticText4", platform::Rect{400, 50, 64, 40}, "",
                                            kByStyle, Rectangle1);
    Canvas1 = add<platform::Canvas>("Canvas1", platform::Rect{141, 91, 189, 57}, Rectangle1);
    Canvas1->setBackdrop(Media::quillomologgagray188());
    MoviePlayer1 = add<platform::MoviePlayer>("MoviePlayer1", true);
    Canvas2 = add<platform::Canvas>("Canvas2", platform::Rect{119, 309, 356, 32}, Rectangle1);
    Timer1 = add<platform::Timer>("Timer1", platform::Timer::ModeMultiple, kTickMs);
    Canvas3 = add<platform::Canvas>("Canvas3", platform::Rect{352, 96, 112, 151}, Rectangle1);

    DesktopNote = add<platform::StaticText>("DesktopNote", platform::Rect{0, 0, 0, 0}, "",
                                            kNoteStyle, nullptr);
    showTexts();
    platform::Hold::shared().whenKeysChange(&Window3::tellDesktopKeys);
    Rectangle1->Open = [this] { Rectangle1_Open(); };
    MoviePlayer1->Open = [this] { MoviePlayer1_Open(); };
    Canvas2->Open = [this] { Canvas2_Open(); };
    Timer1->Action = [this] { Timer1_Action(); };
    Canvas3->Paint = [this](platform::Graphics& g) { Canvas3_Paint(g); };
}

std::string Window3::desktopNote(platform::DesktopKeys keys)
{
    switch (keys) {
    case platform::DesktopKeys::Refused:
        return platform::translate(
            "Window3",
            "This desktop was told to keep its keys: change it in Settings, Apps, Tumbletot.");
    case platform::DesktopKeys::Kept:
        return platform::translate("Window3",
                                   "This desktop keeps some of its keys: stay near your child.");
    case platform::DesktopKeys::Held:
        break;
    }
    return "";
}

void Window3::Rectangle1_Open()
{
    const platform::ScreenSize screen = platform::Screen(0);
    const auto top = static_cast<std::int32_t>(screen.Height / 2.0 - Rectangle1->Height() / 2.0);
    const auto left = static_cast<std::int32_t>(screen.Width / 2.0 - Rectangle1->Width() / 2.0);
    Rectangle1->setBounds({left, top, Rectangle1->Width(), Rectangle1->Height()});
    Rectangle1->Refresh();
    DesktopNote->setBounds(
        {left, top + Rectangle1->Height() + kNoteGap, Rectangle1->Width(), kNoteHeight});
}

void Window3::tellDesktopKeys(platform::DesktopKeys keys)
{
    if (isOpen())
        shared().DesktopNote->setText(desktopNote(keys));
}

std::string Window3::instructions()
{
    using platform::filled;
    using platform::translate;
    const std::string twice = platform::Chr(13) + platform::Chr(13);
    return translate("Window3", "Anytime press") + twice +
           filled(translate("Window3", "%1 for Preferences"),
                  {platform::ParentChord::preferences().name(false)}) +
           twice +
           filled(translate("Window3", "%1 to Quit"), {platform::ParentChord::quit().name(false)}) +
           twice + translate("Window3", "Press any key to Start");
}

void Window3::showTexts()
{
    setTitle(platform::translate("Window3", "Tumbletot"));
    StaticText1->setText(instructions());
    StaticText4->setText(platform::translate("Window3", "by"));
    DesktopNote->setText(desktopNote(platform::Hold::shared().keys()));
    if (!credits.empty())
        credits = creditLines();
}

void Window3::Event_LanguageChanged()
{
    showTexts();
}

void Window3::MoviePlayer1_Open()
{
    MoviePlayer1->setMovie(Media::allegro());
    MoviePlayer1->Play();
}

void Window3::Canvas2_Open()
{
    credits = creditLines();
    l_count = 1;
}

void Window3::Timer1_Action()
{
    Canvas2->Scroll(0, -1);
    s_count = s_count + 1;
    if (s_count == kTicksPerLine) {
        s_count = 0;
        l_count = l_count + 1;
        platform::Graphics& g = Canvas2->graphics();
        g.setForeColor(kCreditInk);
        g.DrawString(creditline, kCreditX, kCreditBaseline, kCreditWrap);
        if (l_count == kCreditFields + 1)
            l_count = 1;
    }
    creditline = platform::NthField(credits, "*", l_count);
}

void Window3::Canvas3_Paint(platform::Graphics& g)
{
    platform::Picture* logo = Media::tumbletotlogo();
    if (!logo)
        return;
    logo->setTransparent(1);
    g.DrawPicture(logo, 0, 0);
}

void Window3::AddMenuHandlers()
{
    addMenuHandler("Prefs", [this] { return Prefs_Action(); });
}

void Window3::Event_EnableMenuItems()
{
    if (platform::MenuItem* prefs = platform::MenuBar::find("Prefs"))
        prefs->setEnable(true);
}

bool Window3::Prefs_Action()
{
    Window2::shared().Show();
    return false;
}

void Window3::startPlay()
{
    Close();
    Window1::shared().Show();
}

bool Window3::Event_KeyDown(const std::string&)
{
    startPlay();
    return false;
}

bool Window3::Event_MouseDown(int, int)
{
    // Asks for the release, which starts play.
    return true;
}

void Window3::Event_MouseUp(int, int)
{
    startPlay();
}

void Window3::Event_Close()
{
    MoviePlayer1->Stop();
}
