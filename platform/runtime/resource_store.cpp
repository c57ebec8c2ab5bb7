// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime/resource_store.h"

#include <QCoreApplication>
#include <QDir>

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

void ResourceStore::setFolder(const std::string& folder)
{
    chosen() = folder;
}

} // namespace platform
