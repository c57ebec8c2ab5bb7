// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

namespace platform {

// One drawing call kept on a canvas, so the canvas can show it again when it repaints.
struct DrawOp {
    enum Kind { FillRect, FrameRect, FillOval, FrameOval, FillPolygon, FramePolygon, Image, Text };
    Kind kind = FillRect;
    QColor color;
    QRect box;
    QPolygon points;
    int penWidth = 1;
    int penHeight = 1;
    bool penInside = true;
    QImage image;
    QString text;
    int wrapWidth = 0;

    QRect bounds() const;
};

void paintOps(QPainter& painter, const std::vector<DrawOp>& ops);

} // namespace platform
