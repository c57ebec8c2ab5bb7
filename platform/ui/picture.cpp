// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/picture.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace platform {

std::unique_ptr<Picture> Picture::load(const std::string& folder, const std::string& name)
{
    const QString base = QString::fromStdString(folder + "/" + name);
    QImage image;
    // The double-size picture only where the screen has the pixels for it; elsewhere it would
    // cost twice the memory and be scaled down.
    const bool sharp = qGuiApp && qGuiApp->devicePixelRatio() > 1.0;
    if (sharp && QFileInfo::exists(base + "@2x.png") && image.load(base + "@2x.png")) {
        image.setDevicePixelRatio(2.0);
    } else if (!image.load(base + ".png")) {
        return nullptr;
    }
    return std::unique_ptr<Picture>(new Picture(std::move(image)));
}

Picture::Picture(QImage image) : image_(std::move(image)) {}

int Picture::Width() const
{
    return int(image_.deviceIndependentSize().width());
}

int Picture::Height() const
{
    return int(image_.deviceIndependentSize().height());
}

void Picture::setTransparent(int transparent)
{
    transparent_ = transparent;
    if (transparent_ != 1 || !keyed_.isNull())
        return;
    keyed_ = image_.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed_.scanLine(y));
        for (int x = 0; x < keyed_.width(); ++x) {
            if ((line[x] & 0xffffff) == 0xffffff)
                line[x] = 0;
        }
    }
}

} // namespace platform
