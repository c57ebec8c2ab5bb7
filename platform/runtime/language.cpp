// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime/language.h"

#include "platform/runtime/resource_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace platform {
namespace {

constexpr char kFilePrefix[] = "tumbletot_";
constexpr char kFileSuffix[] = ".qm";

QString fileOf(const std::string& code)
{
    return QDir(QString::fromStdString(ResourceStore::folder()))
        .filePath(QStringLiteral("translations/") + QLatin1String(kFilePrefix) +
                  QString::fromStdString(code) + QLatin1String(kFileSuffix));
}

void say(const std::string& line)
{
    std::fprintf(stderr, "tumbletot: %s\n", line.c_str());
}

// English is the code's own; another language is one translator over it.
struct Spoken {
    QPointer<QTranslator> chosen;
    std::string code = Language::kEnglish;
};

Spoken& spoken()
{
    static Spoken state;
    return state;
}

QTranslator* loaded(const std::string& code)
{
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(fileOf(code)))
        return nullptr;
    return translator.release();
}

} // namespace

std::vector<std::string> Language::all()
{
    std::vector<std::string> codes;
    const QDir folder(QFileInfo(fileOf(kEnglish)).absolutePath());
    const QString pattern =
        QLatin1String(kFilePrefix) + QLatin1Char('*') + QLatin1String(kFileSuffix);
    for (const QString& file : folder.entryList({pattern}, QDir::Files, QDir::Name)) {
        const std::string code = file.mid(int(sizeof kFilePrefix) - 1)
                                     .chopped(int(sizeof kFileSuffix) - 1)
                                     .toStdString();
        if (code != kEnglish)
            codes.push_back(code);
    }
    codes.insert(codes.begin(), kEnglish);
    return codes;
}

std::string Language::nameOf(const std::string& code)
{
    QTranslator translator;
    //: The name of this language in itself, as a parent looks for it in a list.
    const QString name =
        translator.load(fileOf(code)) ? translator.translate("Language", "English") : QString();
    return name.isEmpty() ? std::string("English") : name.toStdString();
}

std::string Language::fromSystem()
{
    const std::vector<std::string> installed = all();
    const auto has = [&](const std::string& code) {
        return std::find(installed.begin(), installed.end(), code) != installed.end();
    };
    const QStringList asked = QLocale::system().uiLanguages();
    for (const QString& language : asked) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return kEnglish;
        const std::string full = locale.name().toStdString();
        const std::string bare = full.substr(0, full.find('_'));
        if (has(full))
            return full;
        if (has(bare))
            return bare;
    }
    if (!asked.isEmpty())
        say("no translation for " + asked.front().toStdString() + " yet; speaking English");
    return kEnglish;
}

std::string Language::use(const std::string& code)
{
    Spoken& state = spoken();
    delete state.chosen.data();
    state.code = kEnglish;
    if (code == kEnglish)
        return state.code;
    if (!QFileInfo::exists(fileOf(code))) {
        say("no " + code + " translation at " + fileOf(code).toStdString() + "; speaking English");
        return state.code;
    }
    state.chosen = loaded(code);
    if (!state.chosen) {
        say("the " + code + " translation at " + fileOf(code).toStdString() +
            " cannot be read; speaking English");
        return state.code;
    }
    QCoreApplication::installTranslator(state.chosen);
    state.code = code;
    return state.code;
}

std::string Language::current()
{
    return spoken().code;
}

std::string translate(const char* context, const char* source, const char* disambiguation,
                      int count)
{
    return QCoreApplication::translate(context, source, disambiguation, count).toStdString();
}

std::string filled(std::string text, std::initializer_list<std::string> values)
{
    int n = 0;
    for (const std::string& value : values) {
        const std::string mark = "%" + std::to_string(++n);
        const std::size_t at = text.find(mark);
        if (at != std::string::npos)
            text.replace(at, mark.size(), value);
    }
    return text;
}

} // namespace platform
