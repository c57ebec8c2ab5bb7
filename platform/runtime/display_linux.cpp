// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime/display.h"
#include "platform/runtime/local_socket.h"
#include "platform/runtime/runtime.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <xcb/xcb.h>

namespace platform {
namespace {

constexpr int kBrowserQueryMs = 2000;
constexpr unsigned kSayingSeconds = 1;

bool set(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

// The compositor's socket answers, as a Wayland client's first step would find it.
bool compositorAnswers()
{
    return set("WAYLAND_SOCKET") || localSocketAnswers(qgetenv("WAYLAND_DISPLAY").toStdString());
}

// Qt would use the X server: no Wayland session and no other platform asked for.
bool goesToX11()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return set("DISPLAY") && !set("WAYLAND_DISPLAY") &&
           (platform.isEmpty() || platform.startsWith("xcb"));
}

bool& watching()
{
    static bool flag = false;
    return flag;
}

[[noreturn]] void endForLostDisplay()
{
    static const char line[] = "tumbletot: lost the display\n";
    // Both Qt's event thread and the main thread may find out at once: one says it and ends the
    // toy; the other gives it a moment, or its _exit() could cut the line off, and then ends the
    // toy itself should the line not get through.
    static std::atomic_flag said = ATOMIC_FLAG_INIT;
    if (said.test_and_set()) {
        ::sleep(kSayingSeconds);
        ::_exit(1);
    }
    // write() and _exit() only: whatever else runs now may touch what the lost display broke.
    (void)!::write(STDERR_FILENO, line, sizeof line - 1);
    ::_exit(1);
}

QtMessageHandler& previousHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

void onQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // Both of Qt's Linux display plugins say this just before they call exit(1).
    if (watching() && message.contains(QLatin1String("connection broke")))
        endForLostDisplay();
    if (previousHandler())
        previousHandler()(type, context, message);
}

} // namespace

bool displayAvailable()
{
    if (set("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        // A Wayland client can ask the compositor to pass every key on; through XWayland the
        // toy could not. X11 stays the way out if the compositor will not have it.
        qputenv("QT_QPA_PLATFORM", "wayland;xcb");
        if (!set("DISPLAY") && !compositorAnswers()) {
            std::fprintf(stderr, "tumbletot: cannot open display %s\n",
                         std::getenv("WAYLAND_DISPLAY"));
            return false;
        }
        return true;
    }
    if (goesToX11()) {
        // Qt aborts with a page about reinstalling; a parent deserves the display's name.
        xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
        const bool reached = !xcb_connection_has_error(connection);
        xcb_disconnect(connection);
        if (!reached)
            std::fprintf(stderr, "tumbletot: cannot open display %s\n", std::getenv("DISPLAY"));
        return reached;
    }
    if (set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM"))
        return true;
    std::fprintf(stderr, "tumbletot: no display found. Start it from a desktop session, or set "
                         "DISPLAY (X11) or WAYLAND_DISPLAY (Wayland).\n");
    return false;
}

bool browserAvailable()
{
    // xdg-open starts, and reports success, whether or not anything can show the page.
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    return query.waitForFinished(kBrowserQueryMs) && query.exitCode() == 0 &&
           !query.readAllStandardOutput().trimmed().isEmpty();
}

void endCleanlyWhenDisplayLost()
{
    if (watching())
        return;
    watching() = true;
    previousHandler() = qInstallMessageHandler(onQtMessage);
    // Any other exit() while the toy plays has lost its display too.
    static const bool registered = std::atexit([] {
                                       if (watching())
                                           endForLostDisplay();
                                   }) == 0;
    (void)registered;
}

void displayNoLongerWatched()
{
    watching() = false;
}

} // namespace platform
