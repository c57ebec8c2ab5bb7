// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLocalServer;

namespace platform {

// One toy per user and display: a second start hands over to the first, which comes to the
// front. The meeting point lives in the user's private runtime folder; without one, every
// start plays.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // False when another copy runs; it has been asked to come to the front.
    bool claim();

  private:
    void raiseFront();

    QLocalServer* server_ = nullptr;
};

} // namespace platform
