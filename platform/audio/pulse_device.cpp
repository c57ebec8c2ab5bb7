// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/pulse_device.h"

#include "platform/audio/movie.h"
#include "platform/runtime/language.h"
#include "platform/runtime/local_socket.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <pthread.h>
#include <pulse/pulseaudio.h>
#include <sched.h>
#include <string>
#include <vector>

namespace platform {
namespace {

// What the server keeps queued. A press does not wait behind it: what is queued is sent again
// with the press mixed in (resend). With 5 ms the server ran dry hundreds of times a minute on a
// quiet machine, with 10 ms several times in a few bursts of presses; with 20 ms not once, quiet
// or busy.
constexpr pa_usec_t kQueueUs = 20000;
// A short queue still runs dry when another program takes the processor for long. Where the
// system allows it, the thread that fills it runs ahead of ordinary programs, just below the
// sound server itself; elsewhere it stays as it is.
constexpr int kRealtimePriority = 4;
// How long the server has to answer the connection and the stream. One that takes the socket and
// never answers (hung, or PipeWire's holding a stream until its session manager is up) is tried
// again later, as one that is not there, rather than waited for with the sound gone for good.
constexpr pa_usec_t kAnswerUs = 2 * PA_USEC_PER_SEC;
// A new sound starts this far after the frame the server plays now, which it may be past.
constexpr pa_usec_t kPlayingUs = 1000;
// Room for more than any server keeps queued of the stream (about 90 ms), sent again on a press.
constexpr std::size_t kMostAgain = 4096;

void runAhead(pa_threaded_mainloop*, void*)
{
    sched_param priority{};
    priority.sched_priority = kRealtimePriority;
    pthread_setschedparam(pthread_self(), SCHED_RR, &priority);
}

} // namespace

struct PulseDevice::Link {
    Pull pull;
    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;
    pa_stream* stream = nullptr;
    std::atomic<bool> lost{false};
    bool late = false;
    std::string failure;
    // The stream's write index, and room for what is sent again.
    std::int64_t written = 0;
    std::vector<std::int16_t> again;

    // What went wrong, in a parent's words, and the server's own after them.
    std::string said(const std::string& what) const
    {
        return what + ": " + pa_strerror(pa_context_errno(context));
    }

    static void contextChanged(pa_context* context, void* data)
    {
        auto* link = static_cast<Link*>(data);
        const pa_context_state_t state = pa_context_get_state(context);
        if (state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED)
            link->lost = true;
        pa_threaded_mainloop_signal(link->loop, 0);
    }

    static void streamChanged(pa_stream* stream, void* data)
    {
        auto* link = static_cast<Link*>(data);
        const pa_stream_state_t state = pa_stream_get_state(stream);
        if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED)
            link->lost = true;
        pa_threaded_mainloop_signal(link->loop, 0);
    }

    static void write(pa_stream* stream, std::size_t bytes, void* data)
    {
        void* buffer = nullptr;
        if (pa_stream_begin_write(stream, &buffer, &bytes) < 0 || !buffer)
            return;
        auto* link = static_cast<Link*>(data);
        const std::size_t frames = bytes / sizeof(std::int16_t);
        link->pull(static_cast<std::int16_t*>(buffer), frames);
        if (pa_stream_write(stream, buffer, frames * sizeof(std::int16_t), nullptr, 0,
                            PA_SEEK_RELATIVE) == 0)
            link->written += std::int64_t(frames * sizeof(std::int16_t));
    }

    static void tooLate(pa_mainloop_api*, pa_time_event*, const timeval*, void* data)
    {
        auto* link = static_cast<Link*>(data);
        link->late = true;
        pa_threaded_mainloop_signal(link->loop, 0);
    }

    // With the loop locked: waits for the context or the stream to settle, at most until the
    // answer is late.
    template <class Settled> bool waitFor(Settled settled)
    {
        while (!lost && !late && !settled())
            pa_threaded_mainloop_wait(loop);
        return !lost && !late;
    }
};

PulseDevice::PulseDevice() : link_(std::make_unique<Link>()) {}

PulseDevice::~PulseDevice()
{
    Link& l = *link_;
    if (!l.loop)
        return;
    pa_threaded_mainloop_stop(l.loop);
    if (l.stream) {
        pa_stream_disconnect(l.stream);
        pa_stream_unref(l.stream);
    }
    if (l.context) {
        pa_context_disconnect(l.context);
        pa_context_unref(l.context);
    }
    pa_threaded_mainloop_free(l.loop);
}

bool PulseDevice::open(const Pull& pull)
{
    // Asked about once a second while there is no server: no thread starts until one answers.
    // A server elsewhere than a local socket is left to the library to find.
    const char* named = std::getenv("PULSE_SERVER");
    const std::string server = named && *named ? named : "pulse/native";
    if (server.rfind("unix:", 0) == 0
            ? !localSocketAnswers(server.substr(5))
            : server.find(':') == std::string::npos && !localSocketAnswers(server))
        return false;
    Link& l = *link_;
    l.pull = pull;
    l.again.assign(kMostAgain, 0);
    l.loop = pa_threaded_mainloop_new();
    l.context =
        l.loop ? pa_context_new(pa_threaded_mainloop_get_api(l.loop), "Tumbletot") : nullptr;
    if (!l.context) {
        l.failure = translate("Messages", "the sound library would not start");
        return false;
    }
    pa_context_set_state_callback(l.context, &Link::contextChanged, &l);
    // A server that is not there is not started for the toy.
    if (pa_context_connect(l.context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
        pa_threaded_mainloop_start(l.loop) < 0) {
        l.failure = l.said(translate("Messages", "sound server would not connect"));
        return false;
    }
    pa_threaded_mainloop_lock(l.loop);
    pa_threaded_mainloop_once_unlocked(l.loop, &runAhead, nullptr);
    pa_time_event* deadline =
        pa_context_rttime_new(l.context, pa_rtclock_now() + kAnswerUs, &Link::tooLate, &l);
    bool ready = l.waitFor([&l] { return pa_context_get_state(l.context) == PA_CONTEXT_READY; });
    if (!ready)
        l.failure = l.said(translate("Messages", "sound server would not connect"));
    if (ready) {
        const pa_sample_spec format{PA_SAMPLE_S16LE, Movie::SampleRate, 1};
        l.stream = pa_stream_new(l.context, "Tumbletot", &format, nullptr);
        ready = l.stream != nullptr;
        if (!ready)
            l.failure =
                l.said(translate("Messages", "sound server would not take the toy's sound format"));
    }
    if (ready) {
        pa_stream_set_state_callback(l.stream, &Link::streamChanged, &l);
        pa_stream_set_write_callback(l.stream, &Link::write, &l);
        const pa_sample_spec* granted = pa_stream_get_sample_spec(l.stream);
        pa_buffer_attr queue{};
        queue.maxlength = std::uint32_t(-1);
        queue.tlength = std::uint32_t(pa_usec_to_bytes(kQueueUs, granted));
        // Played from the first byte, and on again as soon as there is more after running dry:
        // a server that waits for a full queue again after an underrun (PipeWire's does) would
        // stay silent until the queue next fills.
        queue.prebuf = 0;
        queue.minreq = std::uint32_t(-1);
        queue.fragsize = std::uint32_t(-1);
        // The server says where it plays now, so that a press is mixed into what follows.
        ready = pa_stream_connect_playback(l.stream, nullptr, &queue,
                                           pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY |
                                                             PA_STREAM_INTERPOLATE_TIMING |
                                                             PA_STREAM_AUTO_TIMING_UPDATE),
                                           nullptr, nullptr) == 0 &&
                l.waitFor([&l] { return pa_stream_get_state(l.stream) == PA_STREAM_READY; });
        if (!ready && !l.late)
            l.failure = l.said(pa_context_errno(l.context) == PA_ERR_NOENTITY
                                   ? translate("Messages", "sound server has no output to play on")
                                   : translate("Messages", "sound server refused the stream"));
    }
    if (l.late)
        l.failure = translate("Messages", "sound server did not answer");
    if (deadline)
        pa_threaded_mainloop_get_api(l.loop)->time_free(deadline);
    pa_threaded_mainloop_unlock(l.loop);
    return ready;
}

bool PulseDevice::lost() const
{
    return link_->lost;
}

std::string PulseDevice::failure() const
{
    Link& l = *link_;
    if (!l.lost || !l.failure.empty())
        return l.failure;
    pa_threaded_mainloop_lock(l.loop);
    const std::string why = pa_strerror(pa_context_errno(l.context));
    pa_threaded_mainloop_unlock(l.loop);
    return why;
}

void PulseDevice::resend(const GoBack& goBack)
{
    Link& l = *link_;
    pa_threaded_mainloop_lock(l.loop);
    // What is sent beyond the frame playing now, less a little the server is already playing;
    // what it has handed on to its output it takes back itself.
    pa_usec_t played = 0;
    std::int64_t unplayed = 0;
    if (!l.lost && pa_stream_get_time(l.stream, &played) == 0)
        unplayed = l.written - std::int64_t(pa_usec_to_bytes(played + kPlayingUs,
                                                             pa_stream_get_sample_spec(l.stream)));
    const std::size_t back = goBack(std::size_t(std::clamp<std::int64_t>(
        unplayed / std::int64_t(sizeof(std::int16_t)), 0, std::int64_t(l.again.size()))));
    if (back > 0) {
        l.pull(l.again.data(), back);
        const std::int64_t bytes = std::int64_t(back * sizeof(std::int16_t));
        pa_stream_write(l.stream, l.again.data(), std::size_t(bytes), nullptr, l.written - bytes,
                        PA_SEEK_ABSOLUTE);
    }
    pa_threaded_mainloop_unlock(l.loop);
}

void PulseDevice::pause(bool paused)
{
    pa_threaded_mainloop_lock(link_->loop);
    pa_operation* cork = pa_stream_cork(link_->stream, paused, nullptr, nullptr);
    if (cork)
        pa_operation_unref(cork);
    pa_threaded_mainloop_unlock(link_->loop);
}

} // namespace platform
