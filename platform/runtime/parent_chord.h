// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace platform {

// A parent's shortcut: the menu key, Shift and a letter. The menu binds it and the screens name
// it from here, so what they tell a parent is what works.
class ParentChord {
  public:
    static const ParentChord& preferences();
    static const ParentChord& quit();

    // As the menu takes it: "Cmd+Shift+P".
    std::string shortcut() const;
    // As a parent reads it: "Control + Shift + P", or "Ctrl + Shift + P" as the key caps say.
    std::string name(bool asKeyCaps) const;

  private:
    explicit ParentChord(char letter);

    char letter_;
};

} // namespace platform
