// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace platform {

class Window;

// The client area of a window: background colour, keys and mouse, the controls' parent.
class WindowSurface : public QWidget {
    Q_OBJECT
  public:
    WindowSurface(Window* window, QWidget* parent);
    void forgetWindow() { window_ = nullptr; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    Window* window_;
};

} // namespace platform
