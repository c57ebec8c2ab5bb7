// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QScreen;

namespace platform {

class Hold;

// One of the toy's own full-screen surfaces, one per screen for the whole run. Full-screen
// windows are drawn on the main stage, on the first screen; every other stage shows the colour
// of the window in front and hands it the keys and clicks it gets.
class Stage : public QWidget {
    Q_OBJECT
  public:
    Stage(Hold& hold, QScreen* screen);
    // Full screen on this screen.
    void cover(QScreen* screen);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    Hold& hold_;
};

} // namespace platform
