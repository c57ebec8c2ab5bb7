// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// One shared instance per window class: made and opened on first use and again after it closed.
template <class W> class SharedWindow {
  public:
    static W& get()
    {
        if (!live_) {
            live_ = new W;
            W* opening = live_;
            opening->open([opening] {
                if (live_ == opening)
                    live_ = nullptr;
            });
            // Its open events may already have closed it again.
            if (opening->isClosed())
                return *opening;
        }
        return *live_;
    }
    static bool exists() { return live_ != nullptr; }

  private:
    static inline W* live_ = nullptr;
};

} // namespace platform
