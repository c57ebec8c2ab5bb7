// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime/parent_chord.h"

#include "platform/runtime/language.h"
#include "platform/runtime/runtime.h"

namespace platform {

const ParentChord& ParentChord::preferences()
{
    static const ParentChord chord('P');
    return chord;
}

const ParentChord& ParentChord::quit()
{
    static const ParentChord chord('Q');
    return chord;
}

ParentChord::ParentChord(char letter) : letter_(letter) {}

std::string ParentChord::shortcut() const
{
    return std::string("Cmd+Shift+") + letter_;
}

std::string ParentChord::name(bool asKeyCaps) const
{
    return menuKeyName(asKeyCaps) + " + " + translate("ParentChord", "Shift") + " + " + letter_;
}

} // namespace platform
