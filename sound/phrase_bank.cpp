// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/phrase_bank.h"

#include "media/generator/loudness.h"
#include "platform/audio/movie.h"
#include "platform/audio/peak_limiter.h"
#include "platform/audio/speech.h"
#include "platform/runtime/language.h"
#include "platform/ui/movie_player.h"

#include <algorithm>
#include <cmath>

namespace {

using platform::translatable;

constexpr std::size_t kShapePhrases = PhraseBank::kFills * PhraseBank::kKinds;
constexpr std::size_t kPhrases = kShapePhrases + PhraseBank::kColours;
constexpr double kFullScale = 32768.0;
// Speech ends on a soft consonant or a breath; the fade only keeps its last sample from clicking.
constexpr double kFadeInSeconds = 0.001;
constexpr double kFadeOutSeconds = 0.02;
// A voice's peaks stand far above its loudness; held under this, a phrase reaches an effect's
// loudness without passing the ceiling.
constexpr double kSpeechCeilingDb = loudness::kTruePeakCeilingDb - 0.5;
constexpr int kLevellingRounds = 6;
constexpr double kCloseEnoughLu = 0.2;
constexpr double kLeastSlope = 0.1;
// Below this a voice's pulses make peaks that are not heard as loudness.
constexpr double kVoiceLowestHz = 150.0;

// The clip louder by gainDb, its peaks held down smoothly where they would pass the ceiling.
synth::Buffer limited(const synth::Buffer& clip, double gainDb)
{
    const double gain = loudness::fromDb(gainDb);
    std::vector<float> samples(clip.size() + platform::PeakLimiter::latency());
    std::transform(clip.begin(), clip.end(), samples.begin(),
                   [gain](double s) { return float(s * gain); });
    platform::PeakLimiter(synth::kRate, kSpeechCeilingDb).process(samples.data(), samples.size());
    return synth::Buffer(samples.begin() + platform::PeakLimiter::latency(), samples.end());
}

// Brought to the effects' loudness. Held down, a voice's peaks take loudness with them, so the
// gain is found by a few secant steps rather than worked out once.
void levelSpeech(synth::Buffer& clip)
{
    double gain = loudness::kEffectLufs - loudness::integrated(clip);
    synth::Buffer out = limited(clip, gain);
    double lufs = loudness::integrated(out);
    double slope = 1.0;
    for (int round = 0;
         round < kLevellingRounds && std::fabs(lufs - loudness::kEffectLufs) > kCloseEnoughLu;
         ++round) {
        const double step = (loudness::kEffectLufs - lufs) / std::max(slope, kLeastSlope);
        const double before = lufs;
        gain += step;
        out = limited(clip, gain);
        lufs = loudness::integrated(out);
        slope = (lufs - before) / step;
    }
    clip = std::move(out);
    loudness::levelEffect(clip);
}

// Each phrase is translated whole: the colour's form and its place differ by language.
constexpr const char* kShapeTexts[kShapePhrases] = {
    translatable("Phrases", "black square"),    translatable("Phrases", "black rectangle"),
    translatable("Phrases", "black circle"),    translatable("Phrases", "black oval"),
    translatable("Phrases", "black triangle"),  translatable("Phrases", "black diamond"),
    translatable("Phrases", "blue square"),     translatable("Phrases", "blue rectangle"),
    translatable("Phrases", "blue circle"),     translatable("Phrases", "blue oval"),
    translatable("Phrases", "blue triangle"),   translatable("Phrases", "blue diamond"),
    translatable("Phrases", "green square"),    translatable("Phrases", "green rectangle"),
    translatable("Phrases", "green circle"),    translatable("Phrases", "green oval"),
    translatable("Phrases", "green triangle"),  translatable("Phrases", "green diamond"),
    translatable("Phrases", "orange square"),   translatable("Phrases", "orange rectangle"),
    translatable("Phrases", "orange circle"),   translatable("Phrases", "orange oval"),
    translatable("Phrases", "orange triangle"), translatable("Phrases", "orange diamond"),
    translatable("Phrases", "pink square"),     translatable("Phrases", "pink rectangle"),
    translatable("Phrases", "pink circle"),     translatable("Phrases", "pink oval"),
    translatable("Phrases", "pink triangle"),   translatable("Phrases", "pink diamond"),
    translatable("Phrases", "red square"),      translatable("Phrases", "red rectangle"),
    translatable("Phrases", "red circle"),      translatable("Phrases", "red oval"),
    translatable("Phrases", "red triangle"),    translatable("Phrases", "red diamond"),
    translatable("Phrases", "white square"),    translatable("Phrases", "white rectangle"),
    translatable("Phrases", "white circle"),    translatable("Phrases", "white oval"),
    translatable("Phrases", "white triangle"),  translatable("Phrases", "white diamond"),
    translatable("Phrases", "yellow square"),   translatable("Phrases", "yellow rectangle"),
    translatable("Phrases", "yellow circle"),   translatable("Phrases", "yellow oval"),
    translatable("Phrases", "yellow triangle"), translatable("Phrases", "yellow diamond"),
};
constexpr const char* kColourTexts[PhraseBank::kColours] = {
    translatable("Phrases", "black"),      translatable("Phrases", "blue"),
    translatable("Phrases", "green"),      translatable("Phrases", "orange"),
    translatable("Phrases", "pink"),       translatable("Phrases", "red"),
    translatable("Phrases", "white"),      translatable("Phrases", "yellow"),
    translatable("Phrases", "light blue"), translatable("Phrases", "light green"),
    translatable("Phrases", "light pink"), translatable("Phrases", "light yellow"),
};

std::size_t shapeIndex(PhraseBank::Colour fill, PhraseBank::Kind kind)
{
    return std::size_t(fill) * PhraseBank::kKinds + std::size_t(kind);
}

// Starts at the first sound, ends with a short fade, and is as loud as an effect.
std::unique_ptr<platform::Movie> clipOf(const std::vector<std::int16_t>& spoken)
{
    synth::Buffer clip(spoken.size());
    std::transform(spoken.begin(), spoken.end(), clip.begin(),
                   [](std::int16_t s) { return s / kFullScale; });
    const std::size_t lead = std::size_t(loudness::leadingSilence(clip) * synth::kRate);
    clip.erase(clip.begin(), clip.begin() + std::ptrdiff_t(std::min(lead, clip.size())));
    if (clip.empty())
        return nullptr;
    // Nothing of it where a small speaker is silent or a sound turns harsh, nor the images that
    // doubling its rate leaves above.
    clip = synth::lowPass(synth::highPass(clip, kVoiceLowestHz), loudness::kHarshHz);
    loudness::fadeEnds(clip, kFadeInSeconds, kFadeOutSeconds);
    levelSpeech(clip);
    std::vector<std::int16_t> samples(clip.size());
    std::transform(clip.begin(), clip.end(), samples.begin(), [](double s) {
        return std::int16_t(std::lround(std::clamp(s, -1.0, 1.0) * (kFullScale - 1)));
    });
    return platform::Movie::spoken(std::move(samples));
}

} // namespace

struct PhraseBank::Clips {
    std::array<std::unique_ptr<platform::Movie>, kPhrases> clips;
};

PhraseBank::PhraseBank(platform::MoviePlayer& player, std::unique_ptr<platform::Speech> speech)
    : player_(player), speech_(std::move(speech)), thread_([this] { speakAll(); })
{
}

PhraseBank::~PhraseBank()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ending_ = true;
    }
    changed_.notify_all();
    thread_.join();
    player_.Stop();
}

void PhraseBank::prepare(const std::string& language)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (language == wanted_)
        return;
    wanted_ = language;
    // Translated here, on the thread that owns the translations.
    texts_.clear();
    for (const char* text : kShapeTexts)
        texts_.push_back(platform::translate("Phrases", text));
    for (const char* text : kColourTexts)
        texts_.push_back(platform::translate("Phrases", text));
    // Back to the language spoken last, while another was on its way: its clips stand.
    busy_ = wanted_ != spoken_;
    changed_.notify_all();
}

void PhraseBank::speakAll()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return ending_ || (busy_ && wanted_ != spoken_); });
        if (ending_)
            return;
        const std::string language = wanted_;
        const std::vector<std::string> texts = texts_;
        lock.unlock();
        auto made = std::make_unique<Clips>();
        const char* why = speech_->setLanguage(language);
        for (std::size_t i = 0; !why && !ending_ && i < kPhrases; ++i)
            made->clips[i] = clipOf(speech_->say(texts[i]));
        lock.lock();
        if (language != wanted_)
            continue;
        spoken_ = language;
        fresh_ = why ? std::unique_ptr<Clips>() : std::move(made);
        freshReady_ = true;
        problem_ = why ? why : "";
        busy_ = false;
        changed_.notify_all();
    }
}

void PhraseBank::settle()
{
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return !busy_; });
}

bool PhraseBank::settled() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return !busy_;
}

std::string PhraseBank::problem() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return problem_.empty() ? problem_ : platform::translate("Messages", problem_.c_str());
}

void PhraseBank::adopt() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!freshReady_)
        return;
    // A cut voice keeps nothing of its clip, so the old clips may go at once.
    player_.Stop();
    clips_ = std::move(fresh_);
    freshReady_ = false;
}

const platform::Movie* PhraseBank::shapeClip(Colour fill, Kind kind) const
{
    adopt();
    return clips_ ? clips_->clips[shapeIndex(fill, kind)].get() : nullptr;
}

const platform::Movie* PhraseBank::colourClip(Colour colour) const
{
    adopt();
    return clips_ ? clips_->clips[kShapePhrases + std::size_t(colour)].get() : nullptr;
}

void PhraseBank::sayShape(Colour fill, Kind kind)
{
    say(shapeClip(fill, kind));
}

void PhraseBank::sayColour(Colour colour)
{
    say(colourClip(colour));
}

void PhraseBank::say(const platform::Movie* clip)
{
    if (!clip)
        return;
    player_.setMovie(clip);
    player_.Play();
}
