// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace platform {

class Window;

// Shared windows by their class name, as the program knows them: a window can reach one it does
// not include, made and opened on first use like any shared window.
class WindowDirectory {
  public:
    static void add(const std::string& name, std::function<Window&()> shared);
    // Nothing where no window of that name was added.
    static Window* shared(const std::string& name);
};

} // namespace platform
