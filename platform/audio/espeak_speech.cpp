// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/espeak_speech.h"

#include "platform/audio/movie.h"
#include "platform/runtime/language.h"

#include <algorithm>
#include <espeak-ng/speak_lib.h>

namespace platform {
namespace {

// Words a minute, and a pitch under the voice's usual 50: slower and softer than a voice
// reading to an adult, yet each phrase still one breath.
constexpr int kWordsPerMinute = 115;
constexpr int kPitch = 45;
// The Mandarin voice takes every character for a word: this rate says a phrase as slowly.
constexpr int kMandarinWordsPerMinute = 190;

// espeak-ng's name of each language the toy speaks, where it differs from the toy's code.
std::string voiceOf(const std::string& language)
{
    if (language == "zh_CN")
        return "cmn";
    if (language == "pt_BR")
        return "pt-br";
    if (language == Language::kEnglish)
        return "en-us";
    return language;
}

int collect(short* samples, int count, espeak_EVENT* events)
{
    auto* said = static_cast<std::vector<std::int16_t>*>(events->user_data);
    if (samples && count > 0)
        said->insert(said->end(), samples, samples + count);
    return 0;
}

// Twice the samples, each new one halfway between its neighbours: espeak-ng speaks at half the
// mix's rate.
std::vector<std::int16_t> doubled(const std::vector<std::int16_t>& in)
{
    std::vector<std::int16_t> out(in.size() * 2);
    for (std::size_t i = 0; i < in.size(); ++i) {
        const int next = i + 1 < in.size() ? in[i + 1] : 0;
        out[2 * i] = in[i];
        out[2 * i + 1] = std::int16_t((in[i] + next) / 2);
    }
    return out;
}

// The library's sample rate, or 0 where it found no data.
int started()
{
    static const int rate = [] {
        const int r =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (r > 0)
            espeak_SetSynthCallback(&collect);
        return std::max(r, 0);
    }();
    return rate;
}

Speech::Maker& installed()
{
    static Speech::Maker maker = nullptr;
    return maker;
}

} // namespace

std::unique_ptr<Speech> Speech::system()
{
    return installed() ? installed()() : std::make_unique<EspeakSpeech>();
}

void Speech::install(Maker maker)
{
    installed() = maker;
}

const char* EspeakSpeech::setLanguage(const std::string& language)
{
    if (!started())
        return translatable("Messages", "the speech library found no voices");
    espeak_VOICE wanted{};
    const std::string voice = voiceOf(language);
    wanted.languages = voice.c_str();
    if (espeak_SetVoiceByProperties(&wanted) != EE_OK)
        return translatable("Messages", "no voice for this language");
    espeak_SetParameter(espeakRATE, voice == "cmn" ? kMandarinWordsPerMinute : kWordsPerMinute, 0);
    espeak_SetParameter(espeakPITCH, kPitch, 0);
    return nullptr;
}

std::vector<std::int16_t> EspeakSpeech::say(const std::string& text)
{
    std::vector<std::int16_t> samples;
    if (!started())
        return samples;
    // Synchronous: the samples are all collected when it returns.
    espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                 &samples);
    return started() * 2 == Movie::SampleRate ? doubled(samples) : std::vector<std::int16_t>{};
}

} // namespace platform
