// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace platform {

// The language the toy speaks to the parent: the system's unless a parent chose another,
// English wherever there is no translation.
class Language {
  public:
    static constexpr const char* kEnglish = "en";

    // English first, then every translation installed, as codes ("de", "pt_BR").
    static std::vector<std::string> all();
    // A language's own name for itself ("Deutsch"), to choose it by.
    static std::string nameOf(const std::string& code);
    // The installed language the system asks for first (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    static std::string fromSystem();
    // Speaks `code` from now on; says why in one line and speaks English when it cannot.
    // Returns the language now spoken.
    static std::string use(const std::string& code);
    static std::string current();
};

// A text in the language spoken; `count` chooses the plural form of a text with "%n".
std::string translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int count = -1);

// The text with %1, %2… replaced by the values, in order.
std::string filled(std::string text, std::initializer_list<std::string> values);

// Marks a text for the translation files where what shows it translates it later.
constexpr const char* translatable(const char*, const char* source)
{
    return source;
}

} // namespace platform
