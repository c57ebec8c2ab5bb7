// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/menu_item.h"

namespace platform {

// The quit command: unless a window handles it, the application quits.
class QuitMenuItem : public MenuItem {
  public:
    void defaultAction() override;

  protected:
    void placeOnPlatform() override;
};

} // namespace platform
