#include "platform/single_instance.h"

#include "platform/window.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <unistd.h>

namespace platform {
namespace {

constexpr int kConnectMs = 300;

// One name per user and display: a toy on another display is another toy.
QString serverName()
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    display.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
    return QStringLiteral("tumbletot-%1-%2").arg(getuid()).arg(display);
}

} // namespace

bool SingleInstance::claim()
{
    QLocalSocket other;
    other.connectToServer(serverName());
    if (other.waitForConnected(kConnectMs)) {
        other.write("front\n");
        other.waitForBytesWritten(kConnectMs);
        return false;
    }
    // Nobody answered: a name left by a copy that crashed is taken over.
    QLocalServer::removeServer(serverName());
    server_ = new QLocalServer(this);
    server_->listen(serverName());
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
