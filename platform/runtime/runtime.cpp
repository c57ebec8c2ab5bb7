// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime/runtime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>

namespace platform {
namespace {

constexpr qint64 kYieldEveryNs = 1000000;

} // namespace

ScreenSize Screen(int)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect geometry = screen->geometry();
    return {geometry.width(), geometry.height()};
}

void RuntimeBackgroundTask()
{
    // Handling events costs far more than a busy loop's step; once a millisecond is as
    // responsive as anyone can tell, and keeps a loop of hundreds of steps quick.
    static QElapsedTimer sinceLast;
    if (sinceLast.isValid() && sinceLast.nsecsElapsed() < kYieldEveryNs)
        return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    sinceLast.start();
}

void RuntimeWaitForEvents()
{
    // The overload with a time limit ignores WaitForMoreEvents and spins; this one sleeps.
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

std::string Str(long long value)
{
    return std::to_string(value);
}

std::string Chr(int code)
{
    return std::string(1, static_cast<char>(code));
}

std::string NthField(const std::string& text, const std::string& separator, int index)
{
    if (index < 1 || separator.empty())
        return {};
    std::size_t start = 0;
    for (int field = 1; field < index; ++field) {
        const std::size_t next = text.find(separator, start);
        if (next == std::string::npos)
            return {};
        start = next + separator.size();
    }
    const std::size_t end = text.find(separator, start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

} // namespace platform
