// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/audio/speech.h"

namespace platform {

// Speech through libespeak-ng, rendered into memory rather than played. The library starts
// once and stays for the run: version 1.51 hangs when it is ended, and cannot start again.
class EspeakSpeech : public Speech {
  public:
    const char* setLanguage(const std::string& language) override;
    std::vector<std::int16_t> say(const std::string& text) override;
};

} // namespace platform
