// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/sound_output.h"

#include <QObject>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

class QAudioDevice;
class QAudioSink;
class QIODevice;
class QThread;
class QTimer;

namespace platform {

class Leveller;
class Movie;
class PeakLimiter;

// One sound output shared by every player: each player is a voice, mixed into one stream.
// The stream is topped up in small steps from a thread of its own, so a press is heard within
// milliseconds and the sound stays whole while the window is busy. When the sound server goes
// away, play goes on silently and the output comes back by itself with the server.
class AudioMixer : public QObject, public SoundOutput {
    Q_OBJECT
  public:
    // Made on first use; without a sound output it stays silent and says so once on stderr.
    static AudioMixer* shared();
    static void shutdown();

    void play(const void* owner, const Movie* movie, bool loop) override;
    void stop(const void* owner) override;
    bool playing(const void* owner) const override;

  private:
    AudioMixer();
    ~AudioMixer() override;
    // Asks Qt's sound service on the main thread, then opens the device on the sound thread.
    void findDevice();
    // On the sound thread.
    void startOutput(const QAudioDevice& device);
    void stopOutput();
    void outputFailed(const char* what);
    void wake();
    void sleepIfSilent();
    void feed();
    void mix(std::int16_t* out, std::size_t frames);
    // With mutex_ held.
    void dropVoicesOf(const void* owner);

    struct Voice {
        const void* owner;
        const Movie* movie;
        std::size_t position;
        bool loop;
    };
    mutable std::mutex mutex_; // guards voices_, shared with the sound thread
    std::vector<Voice> voices_;
    std::vector<float> accumulator_;
    // On the sound thread: many voices kept about as loud as one, and under the ceiling.
    std::unique_ptr<Leveller> leveller_;
    std::unique_ptr<PeakLimiter> limiter_;
    std::vector<std::int16_t> block_;
    QThread* thread_;
    QAudioSink* sink_ = nullptr;
    QIODevice* stream_ = nullptr;
    QTimer* feeder_ = nullptr;
    QTimer* idle_ = nullptr;
    QTimer* retry_;
    bool suspended_ = false;
    bool complained_ = false;
};

} // namespace platform
