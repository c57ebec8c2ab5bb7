// SPDX-License-Identifier: GPL-3.0-or-later
// The application shell: the menu bar, the parent's shortcuts, the window flow and quitting.

#include "toy_fixture.h"

#include "app/menu1.h"
#include "media/media.h"
#include "platform/runtime/runtime.h"
#include "platform/ui/application.h"
#include "platform/ui/canvas.h"
#include "platform/ui/menu_item.h"
#include "platform/ui/movie_player.h"
#include "platform/ui/prefs_menu_item.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/static_text.h"
#include "play/play_window.h"
#include "settings/preferences_window.h"
#include "startscreen/start_screen.h"

#include <QtTest>
#include <random>

namespace {

void shortcut(platform::Window& window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QApplication::setActiveWindow(window.frame());
    QTest::keyClick(window.surface(), key, modifiers);
}

struct Chord {
    Qt::KeyboardModifiers modifiers;
    Qt::Key key;
};

// The chords a text names, "Control + Shift + P" and the like, in the order it names them.
QList<Chord> namedChords(const std::string& text)
{
    static const QMap<QString, Qt::KeyboardModifier> words{{"Control", Qt::ControlModifier},
                                                           {"Ctrl", Qt::ControlModifier},
                                                           {"Shift", Qt::ShiftModifier},
                                                           {"Alt", Qt::AltModifier},
                                                           {"Super", Qt::MetaModifier}};
    static const QRegularExpression chord(R"(((?:\w+ \+ )+)([A-Z])\b)");
    QList<Chord> chords;
    for (const auto& match : chord.globalMatch(QString::fromStdString(text))) {
        Chord c{{}, Qt::Key(Qt::Key_A + (match.captured(2).at(0).unicode() - 'A'))};
        for (const QString& word : match.captured(1).split(" + ", Qt::SkipEmptyParts))
            c.modifiers |= words.value(word, Qt::KeypadModifier); // a word no key has: no chord
        chords.append(c);
    }
    return chords;
}

} // namespace

class TestApp : public ToyFixture {
    Q_OBJECT

  private Q_SLOTS:
    void preferencesShortcutIsDisabledOverThePreferences()
    {
        Window1::shared();
        platform::Window* prefs = &Window2::shared();
        shortcut(Window2::shared(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!Menu1::shared().Prefs().Enabled());
        QCOMPARE(&Window2::shared(), prefs);
    }

    void withoutShiftItIsAKeyForTheChild()
    {
        Window1& play = openPlay();
        random->pushShapes(2);
        shortcut(play, Qt::Key_P, Qt::ControlModifier);
        shortcut(play, Qt::Key_Z, Qt::ControlModifier); // the Edit items are never enabled
        QVERIFY(!Window2::isOpen());
        QCOMPARE(play.playing, 2);
        QVERIFY(!Menu1::shared().Child("UntitledMenu0")->Child("EditUndo")->Enabled());
    }

    void startScreenGivesWayToPlayOnAKeyOrAClicksRelease()
    {
        for (const bool click : {false, true}) {
            reset();
            Window3& first = Window3::shared();
            // Its music loops until a key or click closes it.
            QVERIFY(sound->playing(first.MoviePlayer1) && sound->played.back().loop);
            QCOMPARE(sound->played.back().movie, Media::allegro());
            if (click) {
                QTest::mousePress(first.surface(), Qt::LeftButton, {}, QPoint(20, 20));
                QVERIFY(!first.isClosed() && !Window1::isOpen());
                QTest::mouseRelease(first.surface(), Qt::LeftButton, {}, QPoint(20, 20));
            } else {
                QTest::keyClick(first.surface(), Qt::Key_A);
            }
            QVERIFY(first.isClosed() && !sound->playing(first.MoviePlayer1));
            // Play opens untouched: the key or click that opened it draws and plays nothing.
            QVERIFY(Window1::isOpen() && Window1::shared().Canvas1->drawn().empty());
            QCOMPARE(Window1::shared().playing, 0);
        }
    }

    void choicesFromTheFirstStartScreenReachPlay()
    {
        Window3& first = Window3::shared();
        shortcut(first, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(Window2::isOpen());
        Window2& w = Window2::shared();
        w.RadioButton10->setValue(true);
        w.Close();
        // The first start screen is found, silenced and shown.
        QVERIFY(Window1::isOpen() && !first.isClosed() && !sound->playing(first.MoviePlayer1));
        // Play opens with the sounds chosen (what each control writes is the settings' test).
        QCOMPARE(Window1::shared().MoviePlayer1->movie(), Media::realBoing());
    }

    void theChordsTheScreensNameAreTheOnesThatWork()
    {
        // Whatever words a screen uses, the first chord it names opens the preferences and the
        // second quits: on the title screen, and in play's help line.
        for (const bool titleScreen : {true, false}) {
            reset();
            Window1& play = Window1::shared();
            platform::Window& screen =
                titleScreen ? static_cast<platform::Window&>(Window3::shared()) : play;
            const auto chords = namedChords(titleScreen ? Window3::shared().StaticText1->Text()
                                                        : play.StaticText1->Text());
            QCOMPARE(chords.size(), 2);
            shortcut(screen, chords[0].key, chords[0].modifiers);
            QVERIFY(Window2::isOpen());
            Window2::shared().Close();
            shortcut(screen, chords[1].key, chords[1].modifiers);
            QVERIFY(platform::Window::openWindows().empty());
        }
    }

    void mashedChordsAreTheChildsKeys()
    {
        // A palm holds Ctrl and Shift with P or Q and other keys, one of them down before the
        // P or Q: never the preferences, never a quit. Clean chords between them still work.
        Window1& play = Window1::shared();
        std::mt19937 chance(20261206);
        std::uniform_int_distribution<int> code(8, 255);
        std::uniform_int_distribution<int> others(1, 5);
        constexpr int kControlLeft = 37;
        constexpr int kShiftLeft = 50;
        constexpr int kChords = 10000;
        for (int chord = 0; chord < kChords; ++chord) {
            // Every key is let go once the toy has seen it, so its held-key wait ends.
            keyboard->releaseAll();
            keyboard->hold(kControlLeft, 2);
            keyboard->hold(kShiftLeft, 2);
            for (int n = others(chance); n > 0; --n) {
                int other = code(chance);
                while (platform::isChordModifierKey(other))
                    other = code(chance);
                keyboard->hold(other, 3);
            }
            shortcut(play, chord % 2 ? Qt::Key_Q : Qt::Key_P,
                     Qt::ControlModifier | Qt::ShiftModifier);
            if (Window2::isOpen() || play.isClosed())
                QFAIL(qPrintable(QStringLiteral("chord %1 was taken for the parent's").arg(chord)));
        }

        keyboard->releaseAll();
        keyboard->hold(kControlLeft);
        keyboard->hold(kShiftLeft);
        shortcut(play, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(Window2::isOpen());
        shortcut(Window2::shared(), Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(platform::Window::openWindows().empty());
    }

    void quitFromTheFirstPreferencesOpensNothing()
    {
        Window3::shared();
        Window2::shared();
        platform::Application::Quit();
        QVERIFY(platform::Window::openWindows().empty());
        QVERIFY(!Window1::isOpen()); // the preferences' closing opened nothing
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
