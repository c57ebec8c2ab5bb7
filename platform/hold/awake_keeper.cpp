// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hold/awake_keeper.h"

#include "platform/hold/desktop.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QTimer>

namespace platform {
namespace {

// Idle time counted by the display starts again this often; lockers wait minutes.
constexpr int kIdleResetMs = 20000;
const char* const kPowerKeys = "handle-power-key:handle-suspend-key:handle-hibernate-key";
const char* const kWhy = "A child is playing";
// How long quitting waits for the screen saver to take its word back: a message only queued
// dies with the program.
constexpr int kLetGoWaitMs = 250;

} // namespace

AwakeKeeper::AwakeKeeper(Desktop& desktop)
{
    desktop.resetIdle();
    auto* idle = new QTimer(this);
    idle->setInterval(kIdleResetMs);
    connect(idle, &QTimer::timeout, this, [&desktop] { desktop.resetIdle(); });
    idle->start();
    askScreenSaver();
    askLogind();
}

AwakeKeeper::~AwakeKeeper()
{
    if (screenSaverCookie_ != 0) {
        QDBusMessage release = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.ScreenSaver"),
            QStringLiteral("/org/freedesktop/ScreenSaver"),
            QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("UnInhibit"));
        release << screenSaverCookie_;
        QDBusConnection::sessionBus().call(release, QDBus::Block, kLetGoWaitMs);
    }
    // Closing the descriptor lets logind have the keys back.
    powerKeys_.reset();
}

void AwakeKeeper::askScreenSaver()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage ask = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.ScreenSaver"),
        QStringLiteral("/org/freedesktop/ScreenSaver"),
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("Inhibit"));
    ask << QCoreApplication::applicationName() << QString::fromLatin1(kWhy);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(ask), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<uint> reply = *w;
        if (reply.isValid())
            screenSaverCookie_ = reply.value();
        w->deleteLater();
    });
}

void AwakeKeeper::askLogind()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    QDBusMessage ask = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    ask << QString::fromLatin1(kPowerKeys) << QCoreApplication::applicationName()
        << QString::fromLatin1(kWhy) << QStringLiteral("block");
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(ask), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *w;
        if (reply.isValid())
            powerKeys_ = std::make_unique<QDBusUnixFileDescriptor>(reply.value());
        w->deleteLater();
    });
}

} // namespace platform
