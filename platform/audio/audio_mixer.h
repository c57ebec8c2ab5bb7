// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/audio/sound_output.h"
#include "platform/audio/voice_mix.h"

#include <QObject>
#include <cstdint>
#include <vector>

class QAudioDevice;
class QAudioSink;
class QIODevice;
class QThread;
class QTimer;

namespace platform {

class Movie;

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

    VoiceMix voices_;
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
