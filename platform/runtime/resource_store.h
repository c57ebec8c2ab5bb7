// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace platform {

// The folder of the application's sounds and pictures: share/tumbletot beside bin/, in the
// build tree and once installed alike.
class ResourceStore {
  public:
    static std::string folder();
    // Tests point it elsewhere.
    static void setFolder(const std::string& folder);
};

} // namespace platform
