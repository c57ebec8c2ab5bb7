// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window_flow.h"
#include "platform/ui/application.h"

namespace platform {
class PrefsMenuItem;
}

// The application object: the menu bar, the first sound set, the start screen first.
class Class2 : public platform::Application {
  public:
    Class2(int& argc, char** argv);
    ~Class2() override;

    static Class2& App();
    static platform::PrefsMenuItem& Prefs();

  protected:
    void Event_Open() override;
    void openDefaultWindow() override;
    void releaseAtExit() override;

  private:
    // The start screen and the preferences, as the play window below them reaches them.
    WindowFlow flow_;
};
