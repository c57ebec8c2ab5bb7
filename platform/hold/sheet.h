// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QRect;
class QWidget;

namespace platform {

// A window of the toy as the hold sees it: what it shows and where its keys go. The window
// implements it; the hold, below the windows, reaches them only through it.
class Sheet {
  public:
    // Its top-level widget, and the surface that takes its keys, clicks and colour.
    virtual QWidget* frame() const = 0;
    virtual QWidget* surface() const = 0;
    // Drawn on the stages, over the whole screen; otherwise a dialog over them.
    virtual bool FullScreen() const = 0;
    // While in front, it takes every key and click, the desktop's own bindings included.
    virtual bool holdsKeyboard() const = 0;
    // A dialog that opens in the middle of the screen.
    virtual bool centred() const = 0;
    // Gives it a place, in the coordinates of what it is drawn on.
    virtual void place(const QRect& box) = 0;

  protected:
    ~Sheet() = default;
};

} // namespace platform
