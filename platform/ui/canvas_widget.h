// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace platform {

class Canvas;

class CanvasWidget : public QWidget {
    Q_OBJECT
  public:
    explicit CanvasWidget(QWidget* parent);
    void setCanvas(const Canvas* canvas) { canvas_ = canvas; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Canvas* canvas_ = nullptr;
};

} // namespace platform
