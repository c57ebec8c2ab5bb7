// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/window_directory.h"

#include <map>

namespace platform {
namespace {

std::map<std::string, std::function<Window&()>>& directory()
{
    static std::map<std::string, std::function<Window&()>> windows;
    return windows;
}

} // namespace

void WindowDirectory::add(const std::string& name, std::function<Window&()> shared)
{
    directory()[name] = std::move(shared);
}

Window* WindowDirectory::shared(const std::string& name)
{
    const auto found = directory().find(name);
    return found == directory().end() ? nullptr : &found->second();
}

} // namespace platform
