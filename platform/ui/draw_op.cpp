// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/draw_op.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace platform {
namespace {

// Slack around a shape for antialiased edges and a pen centred on the path.
constexpr int kEdgeSlack = 2;
constexpr int kTextReach = 4096;
// A pen at least this wide has a solid middle that hides whatever edge lies under it.
constexpr int kHidingPen = 2;

QPolygonF insetPolygon(const QPolygon& polygon, double distance)
{
    const int n = polygon.size();
    double area = 0;
    for (int i = 0; i < n; ++i) {
        const QPoint a = polygon[i];
        const QPoint b = polygon[(i + 1) % n];
        area += double(a.x()) * b.y() - double(b.x()) * a.y();
    }
    const double inward = area > 0 ? 1.0 : -1.0;
    // Each edge moved inward along its normal; corners where neighbouring edges meet.
    std::vector<QLineF> edges;
    for (int i = 0; i < n; ++i) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[(i + 1) % n];
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        if (length == 0)
            return {};
        const QPointF normal(-(b.y() - a.y()) / length * inward, (b.x() - a.x()) / length * inward);
        edges.emplace_back(a + normal * distance, b + normal * distance);
    }
    QPolygonF inner;
    for (int i = 0; i < n; ++i) {
        QPointF corner;
        if (edges[(i + n - 1) % n].intersects(edges[i], &corner) == QLineF::NoIntersection)
            return {};
        inner << corner;
    }
    return inner;
}

QPainterPath ring(const QPainterPath& outer, const QPainterPath& inner)
{
    QPainterPath path = outer;
    path.addPath(inner);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

void frame(QPainter& painter, const DrawOp& op)
{
    const int pw = op.penWidth;
    const int ph = op.penHeight;
    QPainterPath outer;
    QPainterPath inner;
    if (op.kind == DrawOp::FramePolygon) {
        // A pen centred on the path reaches half of it outside; the older pen lies inside.
        const double shift = op.penInside ? 0.0 : -pw / 2.0;
        const QPolygonF out = shift == 0.0 ? QPolygonF(op.points) : insetPolygon(op.points, shift);
        outer.addPolygon(out);
        outer.closeSubpath();
        inner.addPolygon(insetPolygon(op.points, pw + shift));
        inner.closeSubpath();
    } else {
        const QRectF box = op.penInside
                               ? QRectF(op.box)
                               : QRectF(op.box).adjusted(-pw / 2.0, -ph / 2.0, pw / 2.0, ph / 2.0);
        const QRectF hole = box.adjusted(pw, ph, -pw, -ph);
        if (op.kind == DrawOp::FrameOval) {
            outer.addEllipse(box);
            if (hole.isValid())
                inner.addEllipse(hole);
        } else {
            outer.addRect(box);
            if (hole.isValid())
                inner.addRect(hole);
        }
    }
    painter.fillPath(ring(outer, inner), op.color);
}

// A fill followed by the outline of the same shape: the fill's edge can lie under the middle of
// the outline, where smoothing it would not show. Filling without smoothing is several times
// cheaper on a large shape. Returns the fill's outline, or nothing where it must stay smooth.
QPolygonF fillUnderFrame(const DrawOp& fill, const DrawOp* next)
{
    if (!next || next->penWidth < kHidingPen || next->penHeight < kHidingPen)
        return {};
    const double half = next->penInside ? next->penWidth / 2.0 : 0.0;
    if (fill.kind == DrawOp::FillOval && next->kind == DrawOp::FrameOval && next->box == fill.box &&
        next->penWidth == next->penHeight) {
        QPainterPath oval;
        oval.addEllipse(QRectF(fill.box).adjusted(half, half, -half, -half));
        return oval.toFillPolygon();
    }
    if (fill.kind == DrawOp::FillPolygon && next->kind == DrawOp::FramePolygon &&
        next->points == fill.points && next->penWidth == next->penHeight)
        return half > 0 ? insetPolygon(fill.points, half) : QPolygonF(fill.points);
    return {};
}

} // namespace

QRect DrawOp::bounds() const
{
    switch (kind) {
    case FillPolygon:
    case FramePolygon:
        return points.boundingRect().adjusted(-penWidth - kEdgeSlack, -penHeight - kEdgeSlack,
                                              penWidth + kEdgeSlack, penHeight + kEdgeSlack);
    case Image:
        return QRect(box.topLeft(), image.deviceIndependentSize().toSize());
    case Text:
        return QRect(box.left(), box.top() - kTextReach, kTextReach * 2, kTextReach * 2);
    default:
        return box.adjusted(-penWidth - kEdgeSlack, -penHeight - kEdgeSlack, penWidth + kEdgeSlack,
                            penHeight + kEdgeSlack);
    }
}

void paintOps(QPainter& painter, const std::vector<DrawOp>& ops)
{
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const DrawOp& op = ops[i];
        if (op.kind == DrawOp::FillOval || op.kind == DrawOp::FillPolygon) {
            const QPolygonF hidden = fillUnderFrame(op, i + 1 < ops.size() ? &ops[i + 1] : nullptr);
            if (!hidden.isEmpty()) {
                painter.setRenderHint(QPainter::Antialiasing, false);
                painter.setPen(Qt::NoPen);
                painter.setBrush(op.color);
                painter.drawPolygon(hidden);
                continue;
            }
        }
        // Straight edges stay pixel-exact; curves and slopes are smoothed.
        painter.setRenderHint(QPainter::Antialiasing,
                              op.kind != DrawOp::FillRect && op.kind != DrawOp::FrameRect);
        painter.setPen(Qt::NoPen);
        switch (op.kind) {
        case DrawOp::FillRect:
            painter.fillRect(op.box, op.color);
            break;
        case DrawOp::FillOval:
            painter.setBrush(op.color);
            painter.drawEllipse(QRectF(op.box));
            break;
        case DrawOp::FillPolygon:
            painter.setBrush(op.color);
            painter.drawPolygon(op.points);
            break;
        case DrawOp::FrameRect:
        case DrawOp::FrameOval:
        case DrawOp::FramePolygon:
            frame(painter, op);
            break;
        case DrawOp::Image:
            // A picture whose pixels do not match the screen's is scaled smoothly.
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(op.box.topLeft(), op.image);
            break;
        case DrawOp::Text: {
            painter.setPen(op.color);
            const QFontMetrics metrics(painter.font());
            if (op.wrapWidth > 0) {
                const QRect area(op.box.left(), op.box.top() - metrics.ascent(), op.wrapWidth,
                                 kTextReach);
                painter.drawText(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, op.text);
            } else {
                painter.drawText(op.box.topLeft(), op.text);
            }
            break;
        }
        }
    }
}

} // namespace platform
