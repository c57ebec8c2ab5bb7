// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace platform {

// The folder of the application's sounds and pictures: share/tumbletot beside bin/, in the
// build tree and once installed alike.
class ResourceStore {
  public:
    static std::string folder();
    // A file of the folder in a language ("about_de.html"), or its English one ("about.html").
    static std::string inLanguage(const std::string& stem, const std::string& suffix,
                                  const std::string& language);
    // Tests point it elsewhere.
    static void setFolder(const std::string& folder);
};

} // namespace platform
