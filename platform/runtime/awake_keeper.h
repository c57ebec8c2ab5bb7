// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>

class QDBusUnixFileDescriptor;
class QTimer;

namespace platform {

// Keeps the desktop from blanking, locking or sleeping while the toy runs: the X server's screen
// saver is held off, the desktop's screen saver is asked to wait (org.freedesktop.ScreenSaver),
// and logind holds the power, suspend and hibernate keys. Where a desktop has none of these the
// toy plays on and says nothing. (On Wayland the stages also ask the compositor to stay awake.)
class AwakeKeeper : public QObject {
    Q_OBJECT
  public:
    static void start();
    static void stop();

  private:
    AwakeKeeper();
    ~AwakeKeeper() override;
    void askScreenSaver();
    void askLogind();

    QTimer* screenSaver_;
    std::unique_ptr<QDBusUnixFileDescriptor> powerKeys_;
    uint screenSaverCookie_ = 0;
};

// Per system: holds the display's own screen saver off; called again every little while.
void holdScreenSaverOff();

} // namespace platform
