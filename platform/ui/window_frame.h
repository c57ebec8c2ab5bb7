// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QMenuBar;

namespace platform {

class Window;
class WindowSurface;

// The top-level widget of a window: its menu bar, its surface, its close box.
class WindowFrame : public QWidget {
    Q_OBJECT
  public:
    explicit WindowFrame(Window* window);

    Window* window() const { return window_; }
    WindowSurface* surface() const { return surface_; }
    // The bar is made when a window showing it is first shown: most windows never show one.
    QMenuBar* menuBar() const { return menuBar_; }
    bool menuBarShown() const { return menuBarShown_; }
    void setMenuBarShown(bool shown);
    bool makeMenuBar();
    int menuBarHeight() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    Window* window_;
    WindowSurface* surface_;
    QMenuBar* menuBar_ = nullptr;
    bool menuBarShown_ = true;
};

} // namespace platform
