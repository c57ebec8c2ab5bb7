// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime/resource_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {
namespace {

std::string& chosen()
{
    static std::string folder;
    return folder;
}

} // namespace

std::string ResourceStore::folder()
{
    if (chosen().empty()) {
        const QDir bin(QCoreApplication::applicationDirPath());
        chosen() =
            QDir::cleanPath(bin.filePath(QStringLiteral("../share/tumbletot"))).toStdString();
    }
    return chosen();
}

std::string ResourceStore::inLanguage(const std::string& stem, const std::string& suffix,
                                      const std::string& language)
{
    const std::string own = folder() + "/" + stem + "_" + language + suffix;
    return QFileInfo::exists(QString::fromStdString(own)) ? own : folder() + "/" + stem + suffix;
}

void ResourceStore::setFolder(const std::string& folder)
{
    chosen() = folder;
}

} // namespace platform
