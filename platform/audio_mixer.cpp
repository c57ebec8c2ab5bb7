#include "platform/audio_mixer.h"

#include "platform/movie.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace platform {
namespace {

// About 30 ms of sound queued at the device: short enough to answer a press at once.
constexpr int kBufferMs = 30;
// After this long without any voice the device is paused, so an idle toy costs no processor.
constexpr int kIdleMs = 1500;
constexpr float kKnee = 0.8f;

AudioMixer*& instance()
{
    static AudioMixer* mixer = nullptr;
    return mixer;
}

bool& tried()
{
    static bool once = false;
    return once;
}

// Loud overlaps are bent smoothly under full scale instead of clipping.
float limit(float x)
{
    const float magnitude = std::fabs(x);
    if (magnitude <= kKnee)
        return x;
    const float bent = kKnee + (1.0f - kKnee) * std::tanh((magnitude - kKnee) / (1.0f - kKnee));
    return std::copysign(bent, x);
}

} // namespace

AudioMixer* AudioMixer::shared()
{
    if (tried())
        return instance();
    tried() = true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(Movie::SampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format)) {
        std::fprintf(stderr, "tumbletot: no sound output found; playing without sound\n");
        return nullptr;
    }
    auto* sink = new QAudioSink(device, format);
    sink->setBufferSize(format.bytesForDuration(kBufferMs * 1000));
    instance() = new AudioMixer(sink);
    return instance();
}

void AudioMixer::shutdown()
{
    delete instance();
    instance() = nullptr;
}

AudioMixer::AudioMixer(QAudioSink* sink) : sink_(sink), idle_(new QTimer(this))
{
    open(QIODevice::ReadOnly);
    idle_->setSingleShot(true);
    idle_->setInterval(kIdleMs);
    connect(idle_, &QTimer::timeout, this, &AudioMixer::sleepIfSilent);
    sink_->start(this);
    if (sink_->error() != QAudio::NoError)
        std::fprintf(stderr, "tumbletot: the sound output did not start; playing without sound\n");
    idle_->start();
}

AudioMixer::~AudioMixer()
{
    sink_->stop();
    delete sink_;
}

void AudioMixer::play(const void* owner, const Movie* movie, bool loop)
{
    stop(owner);
    if (!movie || movie->samples().empty())
        return;
    voices_.push_back({owner, movie, 0, loop});
    wake();
}

void AudioMixer::stop(const void* owner)
{
    voices_.erase(std::remove_if(voices_.begin(), voices_.end(),
                                 [owner](const Voice& v) { return v.owner == owner; }),
                  voices_.end());
}

bool AudioMixer::playing(const void* owner) const
{
    return std::any_of(voices_.begin(), voices_.end(),
                       [owner](const Voice& v) { return v.owner == owner; });
}

void AudioMixer::wake()
{
    idle_->start();
    if (suspended_) {
        suspended_ = false;
        sink_->resume();
    }
}

void AudioMixer::sleepIfSilent()
{
    if (!voices_.empty()) {
        idle_->start();
        return;
    }
    suspended_ = true;
    sink_->suspend();
}

void AudioMixer::mix(std::int16_t* out, std::size_t frames)
{
    accumulator_.assign(frames, 0.0f);
    for (Voice& voice : voices_) {
        const auto& samples = voice.movie->samples();
        for (std::size_t i = 0; i < frames; ++i) {
            if (voice.position >= samples.size()) {
                if (!voice.loop)
                    break;
                voice.position = 0;
            }
            accumulator_[i] += samples[voice.position++] / 32768.0f;
        }
    }
    voices_.erase(std::remove_if(voices_.begin(), voices_.end(),
                                 [](const Voice& v) {
                                     return !v.loop && v.position >= v.movie->samples().size();
                                 }),
                  voices_.end());
    for (std::size_t i = 0; i < frames; ++i)
        out[i] = std::int16_t(std::lround(limit(accumulator_[i]) * 32767.0f));
}

qint64 AudioMixer::readData(char* data, qint64 maxSize)
{
    const std::size_t frames = std::size_t(maxSize) / sizeof(std::int16_t);
    mix(reinterpret_cast<std::int16_t*>(data), frames);
    return qint64(frames * sizeof(std::int16_t));
}

qint64 AudioMixer::bytesAvailable() const
{
    // An endless stream: silence when no voice sounds.
    return sink_->bufferSize() + QIODevice::bytesAvailable();
}

} // namespace platform
