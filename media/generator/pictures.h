// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The toy's pictures: the product logo, the maker's grey logo and the desktop icon.
// Each is drawn at 1x and 2x; false when a file could not be written.
bool writePictures(const std::string& folder);
bool writeIcons(const std::string& folder);
