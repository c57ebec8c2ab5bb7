// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/runtime/language.h"

#include <array>
#include <string>
#include <string_view>

namespace platform {
class Movie;
}

// The words the settings hold, each spelt here once: a word misspelt elsewhere does not compile.
namespace Word {
constexpr std::string_view shapes = "shapes";
constexpr std::string_view backgroundOnly = "backgroundOnly";
constexpr std::string_view white = "white";
constexpr std::string_view different = "different";
constexpr std::string_view changing = "changing";
constexpr std::string_view random = "random";
constexpr std::string_view centered = "centered";
constexpr std::string_view on = "on";
constexpr std::string_view off = "off";
constexpr std::string_view simple = "simple";
constexpr std::string_view complex = "complex";
constexpr std::string_view recognizable = "recognizable";
} // namespace Word

// The settings of one run, shared by every window. They hold their defaults from the start,
// so every reader finds one of its words even before the play window has opened.
namespace Module1 {

inline std::string playMode{Word::shapes};                 // shapes, backgroundOnly
inline std::string backMode{Word::white};                  // white, different, changing
inline std::string appearMode{Word::centered};             // random, centered
inline std::string beginnersMode{Word::on};                // on, off
inline std::string autoMode{Word::off};                    // on, off
inline std::string soundComplexity{Word::complex};         // simple, complex, recognizable
inline std::string speakMode{Word::off};                   // on, off
inline std::string language{platform::Language::kEnglish}; // the system's, or a parent's choice
inline int delayTime = 0;   // seconds; 0 until the preferences set it
inline int soundNumber = 0; // players in use: 6 or 8 once play opens

constexpr int kSoundSlots = 11;
// Slot k holds the sound of the play window's player k, for k from 1 to 8.
inline std::array<const platform::Movie*, kSoundSlots> B_Sound{};

} // namespace Module1
