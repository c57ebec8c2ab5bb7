// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>
#include <bitset>

class QKeyEvent;

namespace platform {

// The one record of the key events the program receives: which keys they left down, when each
// was last let go, and which key the system named last. Where the system's own key map can be
// asked (X11), that answers which keys are down; this record answers the rest.
class KeyEvents : public QObject {
    Q_OBJECT
  public:
    static KeyEvents& shared();

    bool down(int code) const;
    bool controlDown() const;
    // A held key's repeat. X11 repeats come as a release and a press with one time stamp, and
    // Qt does not always mark them.
    bool isRepeat(const QKeyEvent& press) const;
    // The physical key of a press. Qt asks about a shortcut once with the key as the system
    // gave it and again with a copy that has lost its code: that one is the last key named.
    int codeOf(const QKeyEvent& key);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    KeyEvents();

    std::bitset<256> down_;
    int controls_ = 0;
    std::array<quint64, 256> releasedAt_{};
    int lastNamed_ = 0;
};

} // namespace platform
