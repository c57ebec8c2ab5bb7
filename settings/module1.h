// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

namespace platform {
class Movie;
}

// The settings of one run, shared by every window. They hold their defaults from the start,
// so every reader finds one of its words even before the play window has opened.
namespace Module1 {

inline std::string playMode = "shapes";         // "shapes", "backgroundOnly"
inline std::string backMode = "white";          // "white", "different", "changing"
inline std::string appearMode = "centered";     // "random", "centered"
inline std::string beginnersMode = "on";        // "on", "off"
inline std::string autoMode = "off";            // "on", "off"
inline std::string soundComplexity = "complex"; // "simple", "complex", "recognizable"
inline int delayTime = 0;                       // seconds; 0 until the preferences set it
inline int soundNumber = 0;                     // players in use: 6 or 8 once play opens

constexpr int kSoundSlots = 11;
// Slot k holds the sound of the play window's player k, for k from 1 to 8.
inline std::array<const platform::Movie*, kSoundSlots> B_Sound{};

} // namespace Module1
