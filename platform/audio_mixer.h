#pragma once

#include "platform/sound_output.h"

#include <QIODevice>
#include <cstdint>
#include <vector>

class QAudioSink;
class QTimer;

namespace platform {

class Movie;

// One sound output shared by every player: each player is a voice, mixed as the device asks.
// Keeping the device open makes a press audible within milliseconds.
class AudioMixer : public QIODevice, public SoundOutput {
    Q_OBJECT
public:
    // nullptr when there is no sound output; that is said once on stderr.
    static AudioMixer* shared();
    static void shutdown();

    void play(const void* owner, const Movie* movie, bool loop) override;
    void stop(const void* owner) override;
    bool playing(const void* owner) const override;

    // The mix of the next frames, as the device would read it.
    void mix(std::int16_t* out, std::size_t frames);

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }
    qint64 bytesAvailable() const override;

private:
    explicit AudioMixer(QAudioSink* sink);
    ~AudioMixer() override;
    void wake();
    void sleepIfSilent();

    struct Voice {
        const void* owner;
        const Movie* movie;
        std::size_t position;
        bool loop;
    };
    std::vector<Voice> voices_;
    std::vector<float> accumulator_;
    QAudioSink* sink_;
    QTimer* idle_;
    bool suspended_ = false;
};

} // namespace platform
