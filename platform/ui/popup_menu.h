// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/control.h"
#include "platform/ui/text_style.h"

#include <functional>
#include <string>

class QComboBox;

namespace platform {

// A button that opens a list of rows to choose one from.
class PopupMenu : public Control {
  public:
    PopupMenu(Window& owner, std::string name, Rect box, const TextStyle& style);

    void AddRow(const std::string& text);
    int ListIndex() const;
    // A change, whether a parent chose or the code did, runs Change.
    void setListIndex(int index);
    int textWidth() const override;

    std::function<void()> Change;

  private:
    QComboBox* box_;
    bool filling_ = false;
};

} // namespace platform
