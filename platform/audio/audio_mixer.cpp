// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/audio_mixer.h"

#include "platform/audio/movie.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace platform {
namespace {

// The device's queue is topped up every few milliseconds, and at once when a voice starts.
constexpr int kFeedMs = 2;
constexpr int kFindDeviceAfterMs = 50;
// While the sound server is away, the output is tried again this often. Qt's own link to the
// server comes back within a few seconds of the server.
constexpr int kRetryMs = 1000;
// The queue holds this much sound: enough to ride out a late top-up, short enough that a press
// is heard at once. A server may grant a deeper queue (PipeWire's does); only this much of it
// is ever filled.
constexpr int kQueueMs = 15;
// After this long without any voice the device is paused, so an idle toy costs no processor.
constexpr int kIdleMs = 1500;

AudioMixer*& instance()
{
    static AudioMixer* mixer = nullptr;
    return mixer;
}

bool& closedForGood()
{
    static bool closed = false;
    return closed;
}

} // namespace

AudioMixer* AudioMixer::shared()
{
    if (!instance() && !closedForGood()) {
        AudioMixer* mixer = new AudioMixer;
        instance() = mixer;
        // Start-up never waits for the sound server: the device is asked for once the first
        // window is on screen.
        QTimer::singleShot(kFindDeviceAfterMs, qApp, [mixer] {
            if (instance() == mixer)
                mixer->findDevice();
        });
    }
    return instance();
}

void AudioMixer::findDevice()
{
    // Qt's sound service belongs on the main thread; the device is opened on the sound thread.
    QMetaObject::invokeMethod(
        qApp,
        [this] {
            if (instance() != this)
                return;
            const QAudioDevice device = QMediaDevices::defaultAudioOutput();
            QMetaObject::invokeMethod(
                this, [this, device] { startOutput(device); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void AudioMixer::shutdown()
{
    delete instance();
    instance() = nullptr;
    // Players that go after this hear nothing; they must not bring a new mixer up.
    closedForGood() = true;
}

AudioMixer::AudioMixer() : thread_(new QThread), retry_(new QTimer(this))
{
    retry_->setSingleShot(true);
    retry_->setInterval(kRetryMs);
    connect(retry_, &QTimer::timeout, this, &AudioMixer::findDevice);
    thread_->setObjectName(QStringLiteral("sound"));
    thread_->start(QThread::HighPriority);
    moveToThread(thread_);
}

AudioMixer::~AudioMixer()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            retry_->stop();
            stopOutput();
        },
        Qt::BlockingQueuedConnection);
    thread_->quit();
    thread_->wait();
    delete thread_;
}

void AudioMixer::startOutput(const QAudioDevice& device)
{
    QAudioFormat format;
    format.setSampleRate(Movie::SampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format)) {
        outputFailed("no sound output found");
        return;
    }
    voices_.startAfresh();
    sink_ = new QAudioSink(device, format, this);
    sink_->setBufferSize(format.bytesForDuration(kQueueMs * 1000));
    idle_ = new QTimer(this);
    idle_->setSingleShot(true);
    idle_->setInterval(kIdleMs);
    connect(idle_, &QTimer::timeout, this, &AudioMixer::sleepIfSilent);
    feeder_ = new QTimer(this);
    feeder_->setTimerType(Qt::PreciseTimer);
    feeder_->setInterval(kFeedMs);
    connect(feeder_, &QTimer::timeout, this, &AudioMixer::feed);
    stream_ = sink_->start();
    if (!stream_ || sink_->error() != QAudio::NoError) {
        stopOutput();
        outputFailed("the sound output did not start");
        return;
    }
    connect(sink_, &QAudioSink::stateChanged, this, [this, sink = sink_](QAudio::State state) {
        if (state != QAudio::StoppedState || sink->error() == QAudio::NoError)
            return;
        // Not from inside the sink's own signal: the sink goes with the output.
        QMetaObject::invokeMethod(
            this,
            [this, sink] {
                if (sink_ != sink)
                    return;
                stopOutput();
                outputFailed("lost the sound output");
            },
            Qt::QueuedConnection);
    });
    if (complained_)
        std::fprintf(stderr, "tumbletot: sound is back\n");
    complained_ = false;
    suspended_ = false;
    feeder_->start();
    idle_->start();
}

void AudioMixer::outputFailed(const char* what)
{
    // Said once; play goes on in silence and the output is tried again until it comes back.
    if (!complained_)
        std::fprintf(stderr, "tumbletot: %s; playing without sound until it is back\n", what);
    complained_ = true;
    retry_->start();
}

void AudioMixer::stopOutput()
{
    delete feeder_;
    feeder_ = nullptr;
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
    }
    delete sink_;
    sink_ = nullptr;
    stream_ = nullptr;
    delete idle_;
    idle_ = nullptr;
}

void AudioMixer::play(const void* owner, const Movie* movie, bool loop)
{
    voices_.play(owner, movie, loop);
    if (voices_.playing(owner))
        QMetaObject::invokeMethod(this, &AudioMixer::wake, Qt::QueuedConnection);
}

void AudioMixer::stop(const void* owner)
{
    voices_.stop(owner);
}

bool AudioMixer::playing(const void* owner) const
{
    return voices_.playing(owner);
}

void AudioMixer::wake()
{
    if (!stream_)
        return;
    idle_->start();
    if (suspended_) {
        suspended_ = false;
        sink_->resume();
        feeder_->start();
    }
    // A new voice is heard with the very next step.
    feed();
}

void AudioMixer::sleepIfSilent()
{
    if (!sink_)
        return;
    if (!voices_.silent()) {
        idle_->start();
        return;
    }
    suspended_ = true;
    feeder_->stop();
    sink_->suspend();
}

void AudioMixer::feed()
{
    if (!stream_)
        return;
    // A voice that starts now is heard after what is queued before it: at most kQueueMs.
    // A sink whose server has just gone may answer anything here.
    const qsizetype free = std::max<qsizetype>(0, sink_->bytesFree());
    const qsizetype queued = sink_->bufferSize() - free;
    const qsizetype wanted = sink_->format().bytesForDuration(kQueueMs * 1000) - queued;
    const std::size_t frames =
        std::size_t(std::max<qsizetype>(0, std::min(wanted, free))) / sizeof(std::int16_t);
    if (frames == 0)
        return;
    block_.resize(frames);
    voices_.mix(block_.data(), frames);
    const qint64 written = stream_->write(reinterpret_cast<const char*>(block_.data()),
                                          qint64(frames * sizeof(std::int16_t)));
    // A server that goes away in the middle of a write is not always reported as a stop.
    if (written < 0 || sink_->error() == QAudio::IOError) {
        stopOutput();
        outputFailed("lost the sound output");
    }
}

} // namespace platform
