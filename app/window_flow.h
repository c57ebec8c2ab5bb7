// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/play_callbacks.h"

// How the play window reaches the start screen and the preferences: through their accessors.
class WindowFlow : public PlayCallbacks {
  public:
    void showPreferences() override;
    void silenceStartScreen() override;
    void showStartScreen() override;
};
