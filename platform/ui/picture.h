// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <memory>
#include <string>

namespace platform {

// A picture from the application's resources.
class Picture {
  public:
    // Loads name.png from folder, or on a high-density screen its double-size name@2x.png.
    static std::unique_ptr<Picture> load(const std::string& folder, const std::string& name);

    int Width() const;
    int Height() const;
    // 1: the picture's white parts are not drawn.
    int Transparent() const { return transparent_; }
    void setTransparent(int transparent);
    const QImage& image() const { return transparent_ == 1 ? keyed_ : image_; }

  private:
    explicit Picture(QImage image);

    QImage image_;
    QImage keyed_;
    int transparent_ = 0;
};

} // namespace platform
