// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/color.h"

// The colour of text on a background: black wherever black can be read (a contrast ratio of at
// least 4.5 : 1, as for body text on the web), white where the background is too dark for it.
platform::Color readableInk(platform::Color background);
// The contrast ratio of two colours, 1 (none) to 21 (black on white).
double contrastRatio(platform::Color a, platform::Color b);
