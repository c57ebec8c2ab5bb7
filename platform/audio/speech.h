// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// Turns short texts into speech in one language at a time. Synthesisers keep global state, so
// one object is used from one thread only; tests install a fake.
class Speech {
  public:
    virtual ~Speech() = default;
    // Null when the language (a toy's code: "en", "pt_BR") has a voice; otherwise why not, in
    // English, for the caller to translate in the "Messages" context.
    virtual const char* setLanguage(const std::string& language) = 0;
    // Mono samples at Movie::SampleRate, as slow and gentle as a toddler needs; empty on failure.
    virtual std::vector<std::int16_t> say(const std::string& text) = 0;
    // The system's synthesiser, or what the installed maker makes.
    static std::unique_ptr<Speech> system();
    using Maker = std::unique_ptr<Speech> (*)();
    static void install(Maker maker);
};

} // namespace platform
