// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/audio/speech.h"

#include <cmath>

// Says each text as a tone of its own pitch after a breath of silence; or has no voice at all.
class FakeSpeech : public platform::Speech {
  public:
    explicit FakeSpeech(bool voiced) : voiced_(voiced) {}
    const char* setLanguage(const std::string&) override
    {
        return voiced_ ? nullptr : "no voice for this language";
    }
    std::vector<std::int16_t> say(const std::string& text) override
    {
        std::vector<std::int16_t> samples(kFrames);
        const double hz = 200.0 + 7.0 * double(std::hash<std::string>()(text) % 100);
        for (std::size_t i = kBreath; i < kFrames; ++i)
            samples[i] = std::int16_t(8000 * std::sin(2 * M_PI * hz * double(i) / 44100));
        return samples;
    }

  private:
    static constexpr std::size_t kBreath = 2205;
    static constexpr std::size_t kFrames = 30000;
    bool voiced_;
};
