#pragma once

#include <QObject>

class QLocalServer;

namespace platform {

// One toy per display: a second start hands over to the first, which comes to the front.
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
