// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/menu_item.h"

#include <QAction>

namespace platform {

// The preferences command, where the platform puts it (the application menu on macOS).
class PrefsMenuItem : public MenuItem {
  protected:
    void placeOnPlatform() override { action()->setMenuRole(QAction::PreferencesRole); }
};

} // namespace platform
