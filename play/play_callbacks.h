// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the play window asks of the windows above it, which it does not include (they include
// it): the application implements it and hands it to the play window.
class PlayCallbacks {
  public:
    virtual ~PlayCallbacks() = default;
    // The preferences window, opened or brought to the front.
    virtual void showPreferences() = 0;
    // The start screen (made if none is open) with its music stopped.
    virtual void silenceStartScreen() = 0;
    // The start screen (made if none is open), brought to the front.
    virtual void showStartScreen() = 0;
};
