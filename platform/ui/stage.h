// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QScreen;

namespace platform {

class Window;

// The toy's own full-screen surfaces, one per screen, for the whole run. Full-screen windows are
// drawn on the main stage, on the first screen: the one in front is shown and the ones behind
// are hidden, so the desktop never sees (or tiles) a window the toy keeps behind. Every other
// stage shows the colour of that window and hands it the keys and clicks it gets.
class Stage : public QWidget {
    Q_OBJECT
  public:
    // The stage on the first screen, with one on each other screen; made on first use.
    static Stage* main();
    // Puts a full-screen window on the main stage, in front of the others there.
    static void present(Window* window);
    // A dialog is about to open over the stages.
    static void makeRoomForDialog();
    // The windows' order or the front one's colour changed: shows, hides and repaints.
    static void arrange();
    // The front window's colour changed.
    static void recolour();
    // At the end of the run.
    static void dismantle();
    // Every stage, the main one first; empty before the first full-screen window.
    static QList<Stage*> all();
    // The stage with the keyboard (the main one if none has it): a dialog belongs to it, as a
    // Wayland compositor hands the keyboard only to a dialog of the window that has it.
    static Stage* focused();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    explicit Stage(QScreen* screen);
    void cover(QScreen* screen);
    static void screensChanged();
    // The full-screen window the stages show: the highest open one.
    static Window* shown();
};

} // namespace platform
