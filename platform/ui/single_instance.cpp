// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/single_instance.h"

#include "platform/ui/window.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr int kConnectMs = 300;

// The user's own runtime folder, or nothing when it is missing or others could write there:
// a rendezvous anyone can plant would let another user keep the toy from starting.
QString privateFolder()
{
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    struct stat info {};
    if (folder.isEmpty() || ::stat(QFile::encodeName(folder).constData(), &info) != 0)
        return {};
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::getuid() || (info.st_mode & 077) != 0)
        return {};
    return folder;
}

// One name per display: a toy on another display is another toy.
QString serverPath(const QString& folder)
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    display.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
    return QDir(folder).filePath(QStringLiteral("tumbletot-%1").arg(display));
}

bool ownSocket(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISSOCK(info.st_mode) &&
           info.st_uid == ::getuid();
}

} // namespace

bool SingleInstance::claim()
{
    const QString folder = privateFolder();
    if (folder.isEmpty())
        return true;
    const QString path = serverPath(folder);
    if (ownSocket(path)) {
        QLocalSocket other;
        other.connectToServer(path);
        if (other.waitForConnected(kConnectMs)) {
            other.write("front\n");
            other.waitForBytesWritten(kConnectMs);
            return false;
        }
    }
    // Nobody answered, or the name is not ours: it is taken over.
    QLocalServer::removeServer(path);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (server_->listen(path))
        connect(server_, &QLocalServer::newConnection, this, &SingleInstance::raiseFront);
    return true;
}

void SingleInstance::raiseFront()
{
    while (QLocalSocket* caller = server_->nextPendingConnection())
        caller->deleteLater();
    if (Window* front = Window::front())
        front->Show();
}

} // namespace platform
