// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/geometry.h"

#include <QPointer>
#include <functional>
#include <string>

class QWidget;

namespace platform {

class Window;

// A control of a window, found by its name.
class Control {
  public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    Window& owner() const { return owner_; }

    bool Enabled() const;
    void setEnabled(bool enabled);
    bool Visible() const;
    void setVisible(bool visible);
    int Left() const { return box_.left; }
    int Top() const { return box_.top; }
    int Width() const { return box_.width; }
    int Height() const { return box_.height; }
    void setBounds(Rect box);
    // The width its text needs at its height: its own width when that suffices.
    virtual int textWidth() const { return Width(); }
    // Widens the control from its first box by `scale`, as a window grown for a language does.
    void widen(double scale);
    void setAnchors(unsigned anchors);
    virtual void Refresh();

    std::function<void()> Open;

    // Framework use: runs the open handler, follows the parent's size, quiets the control on close.
    void runOpen();
    void parentResized(int width, int height);
    virtual void windowClosing() {}
    QWidget* widget() const;

  protected:
    Control(Window& owner, std::string name, Rect box, QWidget* widget);
    virtual void boundsChanged() {}

  private:
    Window& owner_;
    std::string name_;
    Rect box_;
    Rect designBox_;
    QPointer<QWidget> widget_;
    unsigned anchors_ = AnchorLeft | AnchorTop;
    int rightMargin_ = 0;
    int bottomMargin_ = 0;
};

} // namespace platform
