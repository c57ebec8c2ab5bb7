// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 197, 0);
const QColor kOrange(255, 109, 0);
const QColor kGreyInk(0x70, 0x70, 0x70);
constexpr int kSmallIconSize = 32;

QImage canvas(int width, int height, int scale, QColor fill)
{
    QImage image(width * scale, height * scale, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

bool save(const QImage& image, const QString& path)
{
    return image.save(path, "PNG");
}

// A tower of toy shapes, each with the toy's thick outline; white all around.
QImage productLogo(int scale)
{
    QImage image = canvas(112, 151, scale, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(kBlue);
    p.drawRect(QRectF(18, 99, 76, 48));
    // Green, not yellow: the start screen's panel behind the logo is yellow.
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({QPointF(22, 97), QPointF(56, 48), QPointF(90, 97)}));
    p.setBrush(kRed);
    p.drawEllipse(QRectF(35, 6, 42, 42));
    return image;
}

// The maker's mark in grey; around it the band it lies on shows through.
QImage makerLogo(int scale)
{
    QImage image = canvas(189, 57, scale, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreyInk);
    p.drawEllipse(QRectF(8, 12, 20, 20));
    p.drawRect(QRectF(20, 26, 18, 18));
    // Whatever font the build machine has, the name fits whole, with room to spare.
    const QString name = QStringLiteral("Tot Workshop");
    const QRectF room(44, 8, 141, 40);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    int size = 19;
    do {
        font.setPixelSize(size--);
    } while (size > 8 && QFontMetricsF(font).horizontalAdvance(name) > room.width());
    p.setFont(font);
    p.setPen(kGreyInk);
    p.drawText(room, Qt::AlignVCenter | Qt::AlignLeft, name);
    return image;
}

// The icon: an orange tile with a yellow ball and a blue block, drawn on a 256 grid.
void paintIcon(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kOrange);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 48, 48);
    p.setPen(QPen(Qt::black, 12, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(kYellow);
    p.drawEllipse(QRectF(40, 40, 120, 120));
    p.setBrush(kBlue);
    p.drawRect(QRectF(112, 112, 100, 100));
}

// The icon redrawn for 16 and 32 pixels: fewer, wider parts, every edge on the pixel grid, so
// it stays crisp instead of blurring when scaled down.
void paintSmallIcon(QPainter& p, int size)
{
    const int unit = size / 16;
    // A line of odd width is sharp only when it runs through the middle of a pixel.
    const double grid = unit % 2 == 1 ? 0.5 : 0.0;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kOrange);
    p.drawRoundedRect(QRectF(0, 0, size, size), 3 * unit, 3 * unit);
    p.setPen(QPen(Qt::black, unit, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(kYellow);
    p.drawEllipse(QRectF(2 * unit + grid, 2 * unit + grid, 8 * unit, 8 * unit));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(kBlue);
    p.drawRect(QRectF(7 * unit + grid, 7 * unit + grid, 6 * unit, 6 * unit));
}

const char* kIconSvg = R"(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <rect x="8" y="8" width="240" height="240" rx="48" ry="48" fill="#ff6d00"/>
  <circle cx="100" cy="100" r="60" fill="#ffff00" stroke="#000000" stroke-width="12"/>
  <rect x="112" y="112" width="100" height="100" fill="#0000ff" stroke="#000000" stroke-width="12"/>
</svg>
)";

} // namespace

bool writePictures(const std::string& folder)
{
    const QString dir = QString::fromStdString(folder);
    QDir().mkpath(dir);
    bool ok = true;
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        ok &= save(productLogo(scale), dir + "/tumbletotlogo" + suffix + ".png");
        ok &= save(makerLogo(scale), dir + "/quillomologgagray188" + suffix + ".png");
    }
    return ok;
}

bool writeIcons(const std::string& folder)
{
    const QString dir = QString::fromStdString(folder);
    bool ok = QDir().mkpath(dir + "/scalable/apps");
    QFile svg(dir + "/scalable/apps/io.github.tumbletot.Tumbletot.svg");
    ok &= svg.open(QIODevice::WriteOnly) && svg.write(kIconSvg) > 0;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString sized = QStringLiteral("%1/%2x%2/apps").arg(dir).arg(size);
        ok &= QDir().mkpath(sized);
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter p(&image);
        if (size <= kSmallIconSize) {
            paintSmallIcon(p, size);
        } else {
            p.scale(size / 256.0, size / 256.0);
            paintIcon(p);
        }
        p.end();
        ok &= save(image, sized + "/io.github.tumbletot.Tumbletot.png");
    }
    return ok;
}
