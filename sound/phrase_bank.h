// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace platform {
class Movie;
class MoviePlayer;
class Speech;
} // namespace platform

// What is said aloud for what appears: a shape by its fill colour and its kind, a background by
// its colour, in the parent's language. A language's phrases are spoken into clips once, on the
// bank's own thread, and levelled like the effects; a press then plays a ready clip, and a new
// phrase cuts the one still speaking.
class PhraseBank {
  public:
    // The fill colours come first; the four light ones are backgrounds only.
    enum class Colour {
        Black,
        Blue,
        Green,
        Orange,
        Pink,
        Red,
        White,
        Yellow,
        LightBlue,
        LightGreen,
        LightPink,
        LightYellow
    };
    enum class Kind { Square, Rectangle, Circle, Oval, Triangle, Diamond };
    static constexpr std::size_t kFills = 8;
    static constexpr std::size_t kColours = 12;
    static constexpr std::size_t kKinds = 6;

    PhraseBank(platform::MoviePlayer& player, std::unique_ptr<platform::Speech> speech);
    ~PhraseBank();

    // Starts speaking the language's phrases into clips, unless they are ready or on their way.
    void prepare(const std::string& language);
    // Says it, if the language's clips are ready; otherwise stays quiet.
    void sayShape(Colour fill, Kind kind);
    void sayColour(Colour colour);
    // Why the language asked for last does not speak, in one line; empty while it does or may.
    std::string problem() const;
    // Whether the bank's thread has done what it was asked; settle() waits for it (tests).
    bool settled() const;
    void settle();
    // The ready clip of a shape or a colour, or nullptr.
    const platform::Movie* shapeClip(Colour fill, Kind kind) const;
    const platform::Movie* colourClip(Colour colour) const;

  private:
    struct Clips;
    void speakAll();
    // On the event thread: takes the clips the bank's thread made last, once nothing plays the
    // old ones.
    void adopt() const;
    void say(const platform::Movie* clip);

    platform::MoviePlayer& player_;
    std::unique_ptr<platform::Speech> speech_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    // Guarded by mutex_: the language wanted and its texts, the one spoken last and its clips.
    std::string wanted_;
    std::vector<std::string> texts_;
    std::string spoken_;
    mutable std::unique_ptr<Clips> fresh_;
    mutable bool freshReady_ = false;
    std::string problem_;
    // The event thread's own.
    mutable std::unique_ptr<Clips> clips_;
    bool busy_ = false;
    // Read between phrases too, so that quitting never waits for a whole language.
    std::atomic<bool> ending_{false};
    std::thread thread_;
};
