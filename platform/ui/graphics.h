// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/color.h"

#include <functional>
#include <string>
#include <vector>

namespace platform {

class Picture;
struct DrawOp;

// A canvas's drawing context; its settings hold between calls.
class Graphics {
  public:
    using Sink = std::vector<DrawOp>;
    explicit Graphics(Sink& sink, std::function<void(const DrawOp&)> drawn = {});

    Color ForeColor() const { return foreColor_; }
    void setForeColor(Color color) { foreColor_ = color; }
    int PenWidth() const { return penWidth_; }
    void setPenWidth(int width) { penWidth_ = width; }
    int PenHeight() const { return penHeight_; }
    void setPenHeight(int height) { penHeight_ = height; }
    bool UseOldRenderer() const { return useOldRenderer_; }
    void setUseOldRenderer(bool old) { useOldRenderer_ = old; }

    void FillRect(int left, int top, int width, int height);
    void DrawRect(int left, int top, int width, int height);
    void FillOval(int left, int top, int width, int height);
    void DrawOval(int left, int top, int width, int height);
    // Points as x, y pairs from index 1; index 0 is unused.
    void FillPolygon(const std::vector<int>& points);
    void DrawPolygon(const std::vector<int>& points);
    void DrawPicture(const Picture* picture, int left, int top);
    // y is the baseline of the first line; a wrap width above 0 breaks lines at it.
    void DrawString(const std::string& text, int x, int y, int wrapWidth = 0);

  private:
    void record(DrawOp drawn);

    Sink& sink_;
    std::function<void(const DrawOp&)> drawn_;
    Color foreColor_{};
    int penWidth_ = 1;
    int penHeight_ = 1;
    bool useOldRenderer_ = false;
};

} // namespace platform
