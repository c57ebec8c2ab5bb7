// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/control.h"

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QRect;

namespace platform {

class Graphics;
class Picture;
class CanvasWidget;
struct DrawOp;

// A surface to draw on. What is drawn stays until the canvas is erased or scrolled away.
class Canvas : public Control {
  public:
    Canvas(Window& owner, std::string name, Rect box, Control* parent = nullptr);
    ~Canvas() override;

    Graphics& graphics() { return *graphics_; }
    const Picture* Backdrop() const { return backdrop_; }
    void setBackdrop(const Picture* picture);
    // Erasing wipes the canvas to the window's background before it returns.
    void Refresh(bool eraseBackground);
    void Refresh() override { Refresh(true); }
    void Scroll(int dx, int dy);

    std::function<void(Graphics&)> Paint;

    // Framework use.
    void paint(QPainter& painter) const;
    const std::vector<DrawOp>& drawn() const { return *ops_; }

  private:
    void drawnOp(const DrawOp& op);
    void repaint(const QRect& area);

    CanvasWidget* view_;
    std::unique_ptr<std::vector<DrawOp>> ops_;
    std::unique_ptr<Graphics> graphics_;
    const Picture* backdrop_ = nullptr;
};

} // namespace platform
