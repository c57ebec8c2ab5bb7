// SPDX-License-Identifier: GPL-3.0-or-later
// Every language: its translation file complete, and every window's texts inside their boxes.

#include "toy_fixture.h"

#include "media/generator/loudness.h"
#include "platform/audio/movie.h"
#include "platform/hold/desktop.h"
#include "platform/runtime/language.h"
#include "platform/runtime/resource_store.h"
#include "platform/ui/popup_menu.h"
#include "platform/ui/static_text.h"
#include "play/play_window.h"
#include "settings/module1.h"
#include "settings/preferences_window.h"
#include "startscreen/start_screen.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

namespace {

QStringList placeholders(const QString& text)
{
    QStringList marks;
    for (const auto& mark : QRegularExpression(QStringLiteral("%[0-9n]")).globalMatch(text))
        marks << mark.captured();
    marks.sort();
    return marks;
}

// Each text of the window that does not fit its box, or a box that leaves the window.
QStringList misfits(const platform::Window& window)
{
    QStringList found;
    for (const platform::Control* control : window.controls()) {
        const QWidget* widget = control->widget();
        if (!widget || widget->isHidden() || control->Width() <= 0)
            continue;
        const QString name = QString::fromStdString(control->Name());
        const QRect box(widget->mapTo(window.surface(), QPoint(0, 0)), widget->size());
        if (control->textWidth() > control->Width())
            found << QStringLiteral("%1 needs %2 of %3 px")
                         .arg(name)
                         .arg(control->textWidth())
                         .arg(control->Width());
        else if (!window.surface()->rect().contains(box))
            found << name + QStringLiteral(" leaves the window");
    }
    return found;
}

} // namespace

class TestLanguages : public ToyFixture {
    Q_OBJECT

  private Q_SLOTS:
    // The program's texts, and the catalogues of the desktop entries, the AppStream data, the
    // manual page and the about page: each language in full, keeping the placeholders.
    void everyTextIsTranslatedKeepingItsPlaceholders()
    {
        const QDir folder(QStringLiteral(TUMBLETOT_TEST_TRANSLATIONS));
        QStringList spoken;
        for (const std::string& code : platform::Language::all())
            if (code != platform::Language::kEnglish)
                spoken << QString::fromStdString(code);
        spoken.sort();
        QCOMPARE(folder.entryList({QStringLiteral("tumbletot_*.ts")}).size(), spoken.size());
        QFile list(folder.filePath(QStringLiteral("data/LINGUAS")));
        QVERIFY(list.open(QIODevice::ReadOnly));
        QStringList listed =
            QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        listed.sort();
        QCOMPARE(listed, spoken);
        const QRegularExpression untranslated(QStringLiteral("msgstr \"\"\n(\n|$)"));
        // A message's source, its translation's attributes and its text, or its plural's forms.
        const QRegularExpression message(
            QStringLiteral("<source>(.*?)</source>.*?<translation([^>]*)>(.*?)</translation>"),
            QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpression form(QStringLiteral("<numerusform>(.*?)</numerusform>"));
        for (const QString& code : spoken) {
            const QString file = QStringLiteral("tumbletot_%1.ts").arg(code);
            QFile ts(folder.filePath(file));
            QVERIFY2(ts.open(QIODevice::ReadOnly), qPrintable(file));
            int messages = 0;
            for (const auto& m : message.globalMatch(QString::fromUtf8(ts.readAll()))) {
                ++messages;
                const QString where = file + QStringLiteral(": ") + m.captured(1);
                QVERIFY2(!m.captured(2).contains(QStringLiteral("unfinished")), qPrintable(where));
                QStringList texts;
                for (const auto& plural : form.globalMatch(m.captured(3)))
                    texts << plural.captured(1);
                for (const QString& text : texts.isEmpty() ? QStringList{m.captured(3)} : texts)
                    QVERIFY2(!text.isEmpty() && placeholders(text) == placeholders(m.captured(1)),
                             qPrintable(where));
            }
            QVERIFY2(messages > 0, qPrintable(file));
            for (const QString& catalogue : {QStringLiteral("data/"), QStringLiteral("pages/")}) {
                QFile po(folder.filePath(catalogue + code + QStringLiteral(".po")));
                QVERIFY2(po.open(QIODevice::ReadOnly), qPrintable(po.fileName()));
                const QString text = QString::fromUtf8(po.readAll());
                QVERIFY2(!text.contains(untranslated) && !text.contains(QStringLiteral("#, fuzzy")),
                         qPrintable(po.fileName()));
            }
        }
    }

    void aParentsChoiceIsSpokenAtOnceAndEnglishWhereNoneCanBe()
    {
        Window3& title = Window3::shared();
        const std::string english = title.StaticText1->Text();
        Window2& prefs = Window2::shared();
        const std::vector<std::string> codes = platform::Language::all();
        const auto german = std::find(codes.begin(), codes.end(), "de") - codes.begin();
        prefs.LanguageMenu->setListIndex(int(german));
        settle();
        QCOMPARE(Module1::language, std::string("de"));
        QVERIFY(title.StaticText1->Text().find("Einstellungen") != std::string::npos);
        QCOMPARE(prefs.Title(), std::string("Tumbletot – Einstellungen"));
        prefs.LanguageMenu->setListIndex(0);
        settle();
        QCOMPARE(title.StaticText1->Text(), english);

        QCOMPARE(platform::Language::use("xx"), std::string(platform::Language::kEnglish));
        QTemporaryDir damaged;
        QDir(damaged.path()).mkdir(QStringLiteral("translations"));
        QFile file(damaged.filePath(QStringLiteral("translations/tumbletot_de.qm")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a translation") > 0);
        file.close();
        platform::ResourceStore::setFolder(damaged.path().toStdString());
        QCOMPARE(platform::Language::use("de"), std::string(platform::Language::kEnglish));
        QCOMPARE(platform::translate("Window3", "by"), std::string("by"));
        platform::ResourceStore::setFolder(TUMBLETOT_TEST_DATA_DIR);
    }

    void everyTextFitsItsPlaceInEveryLanguage()
    {
        for (const std::string& code : platform::Language::all()) {
            QCOMPARE(platform::Language::use(code), code);
            settle();
            Window3& title = Window3::shared();
            title.Show();
            for (auto keys : {platform::DesktopKeys::Kept, platform::DesktopKeys::Refused}) {
                title.DesktopNote->setText(Window3::desktopNote(keys));
                QVERIFY2(misfits(title).isEmpty(), qPrintable(misfits(title).join(", ")));
            }
            Window2& prefs = Window2::shared();
            prefs.Show();
            if (code == platform::Language::kEnglish)
                QCOMPARE(prefs.textScale(), 1.0);
            for (int delay : {Window2::kWontPlay, 1, 2, 5, 22, 45, 60, 120}) {
                prefs.StaticText1->setText(Window2::delayText(delay));
                QVERIFY2(misfits(prefs).isEmpty(), qPrintable(misfits(prefs).join(", ")));
            }
            QVERIFY2(misfits(openPlay()).isEmpty(), qPrintable(QString::fromStdString(code)));
            reset();
        }
    }

    // Said to a toddler: every phrase there, a breath long, starting at once, as loud as an
    // effect and no peak near full scale; no two alike.
    void everyLanguageSaysEachPhraseClearly()
    {
        using Bank = PhraseBank;
        for (const std::string& code : platform::Language::all()) {
            QCOMPARE(platform::Language::use(code), code);
            Bank& bank = openPlay().phrases();
            bank.prepare(code);
            bank.settle();
            QVERIFY2(bank.problem().empty(), bank.problem().c_str());
            std::vector<const platform::Movie*> clips;
            for (std::size_t fill = 0; fill < Bank::kFills; ++fill)
                for (std::size_t kind = 0; kind < Bank::kKinds; ++kind)
                    clips.push_back(bank.shapeClip(Bank::Colour(fill), Bank::Kind(kind)));
            for (std::size_t colour = 0; colour < Bank::kColours; ++colour)
                clips.push_back(bank.colourClip(Bank::Colour(colour)));
            for (std::size_t i = 0; i < clips.size(); ++i) {
                const QString where = QStringLiteral("%1, phrase %2").arg(code.c_str()).arg(i);
                QVERIFY2(clips[i], qPrintable(where));
                const synth::Buffer clip = samplesOf(clips[i]->samples());
                const double lufs = loudness::integrated(clip);
                QVERIFY2(clips[i]->seconds() >= 0.3 && clips[i]->seconds() <= 2.5,
                         qPrintable(where + QStringLiteral(": %1 s").arg(clips[i]->seconds())));
                QVERIFY2(loudness::leadingSilence(clip) < 0.01, qPrintable(where));
                QVERIFY2(std::fabs(lufs + 18.0) <= 1.0,
                         qPrintable(where + QStringLiteral(": %1 LUFS").arg(lufs)));
                QVERIFY2(loudness::truePeakDb(clip) <= -1.0, qPrintable(where));
                for (std::size_t j = 0; j < i; ++j)
                    QVERIFY2(clips[j]->samples() != clips[i]->samples(), qPrintable(where));
            }
            reset();
        }
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
