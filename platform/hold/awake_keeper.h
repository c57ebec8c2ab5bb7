// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>

class QDBusUnixFileDescriptor;

namespace platform {

class Desktop;

// Keeps the desktop from blanking, locking or sleeping while it lives: the display's own idle
// time starts again every little while, the desktop's screen saver is asked to wait
// (org.freedesktop.ScreenSaver), and logind holds the power, suspend and hibernate keys. Where a
// desktop has none of these the toy plays on and says nothing.
class AwakeKeeper : public QObject {
    Q_OBJECT
  public:
    explicit AwakeKeeper(Desktop& desktop);
    ~AwakeKeeper() override;

  private:
    void askScreenSaver();
    void askLogind();

    std::unique_ptr<QDBusUnixFileDescriptor> powerKeys_;
    uint screenSaverCookie_ = 0;
};

} // namespace platform
