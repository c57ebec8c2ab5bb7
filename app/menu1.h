// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/menu_bar.h"

namespace platform {
class PrefsMenuItem;
}

// The application's menu bar: File with Preferences and Quit, and an Edit menu never enabled.
class Menu1 : public platform::MenuBar {
  public:
    static Menu1& shared();
    static void release();

    platform::PrefsMenuItem& Prefs() const;

  private:
    Menu1();
};
