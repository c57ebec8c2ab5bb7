// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/pipewire_device.h"

#include "platform/audio/movie.h"
#include "platform/runtime/language.h"
#include "platform/runtime/local_socket.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <pipewire/pipewire.h>
#include <spa/param/audio/format-utils.h>
#include <spa/utils/result.h>
#include <string>

namespace platform {
namespace {

// About 5 ms of the graph's time: the quantum a press waits for at most before it is mixed in.
// Half as much left the stream without sound for 12-17 ms now and then, when the sound thread
// woke late on an idle machine.
constexpr const char* kLatency = "256/48000";
constexpr std::size_t kFormatPodBytes = 1024;
// How long a new stream may take to reach a sink. A daemon whose session manager is not up yet
// never links it; such a daemon is tried again later, as one that is not there.
constexpr std::int64_t kLinkWaitNs = 2'000'000'000;

} // namespace

struct PipeWireDevice::Link {
    Pull pull;
    pw_thread_loop* loop = nullptr;
    pw_context* context = nullptr;
    pw_core* core = nullptr;
    pw_stream* stream = nullptr;
    spa_hook coreHook{};
    spa_hook streamHook{};
    std::atomic<bool> lost{false};
    bool linked = false;
    // Set on the loop's thread, with the loop locked.
    std::string failure;

    static void process(void* data)
    {
        auto* link = static_cast<Link*>(data);
        pw_buffer* buffer = pw_stream_dequeue_buffer(link->stream);
        if (!buffer)
            return;
        spa_data& out = buffer->buffer->datas[0];
        if (out.data) {
            std::size_t frames = out.maxsize / sizeof(std::int16_t);
            if (buffer->requested)
                frames = std::min<std::size_t>(frames, buffer->requested);
            link->pull(static_cast<std::int16_t*>(out.data), frames);
            out.chunk->offset = 0;
            out.chunk->stride = sizeof(std::int16_t);
            out.chunk->size = std::uint32_t(frames * sizeof(std::int16_t));
        }
        pw_stream_queue_buffer(link->stream, buffer);
    }

    static void stateChanged(void* data, pw_stream_state, pw_stream_state state, const char* error)
    {
        auto* link = static_cast<Link*>(data);
        if (state == PW_STREAM_STATE_ERROR || state == PW_STREAM_STATE_UNCONNECTED) {
            if (link->failure.empty())
                link->failure =
                    error ? error : translate("Messages", "the stream was disconnected");
            link->lost = true;
        }
        // Paused is only a node in the graph; streaming is one a sink pulls.
        if (state == PW_STREAM_STATE_STREAMING)
            link->linked = true;
        pw_thread_loop_signal(link->loop, false);
    }

    static void coreError(void* data, std::uint32_t id, int, int result, const char* message)
    {
        auto* link = static_cast<Link*>(data);
        // The daemon went away under the connection.
        if (id == PW_ID_CORE && result == -EPIPE) {
            if (link->failure.empty())
                link->failure = message ? message : spa_strerror(result);
            link->lost = true;
        }
        pw_thread_loop_signal(link->loop, false);
    }
};

PipeWireDevice::PipeWireDevice() : link_(std::make_unique<Link>()) {}

PipeWireDevice::~PipeWireDevice()
{
    Link& l = *link_;
    if (l.loop)
        pw_thread_loop_stop(l.loop);
    if (l.stream)
        pw_stream_destroy(l.stream);
    if (l.core)
        pw_core_disconnect(l.core);
    if (l.context)
        pw_context_destroy(l.context);
    if (l.loop)
        pw_thread_loop_destroy(l.loop);
}

bool PipeWireDevice::open(const Pull& pull)
{
    // Asked about once a second while there is no server: nothing is loaded until one answers.
    const char* remote = std::getenv("PIPEWIRE_REMOTE");
    if (!localSocketAnswers(remote && *remote ? remote : "pipewire-0"))
        return false;
    static std::once_flag initialised;
    std::call_once(initialised, [] { pw_init(nullptr, nullptr); });
    Link& l = *link_;
    l.pull = pull;
    l.loop = pw_thread_loop_new("tumbletot-sound", nullptr);
    l.context = l.loop ? pw_context_new(pw_thread_loop_get_loop(l.loop), nullptr, 0) : nullptr;
    l.core = l.context ? pw_context_connect(l.context, nullptr, 0) : nullptr;
    if (!l.core) {
        l.failure =
            translate("Messages", "sound server would not connect") + ": " + spa_strerror(-errno);
        return false;
    }
    static const pw_core_events coreEvents = [] {
        pw_core_events events{};
        events.version = PW_VERSION_CORE_EVENTS;
        events.error = &Link::coreError;
        return events;
    }();
    pw_core_add_listener(l.core, &l.coreHook, &coreEvents, &l);
    l.stream = pw_stream_new(l.core, "Tumbletot",
                             pw_properties_new(PW_KEY_MEDIA_TYPE, "Audio", PW_KEY_MEDIA_CATEGORY,
                                               "Playback", PW_KEY_MEDIA_ROLE, "Game",
                                               PW_KEY_NODE_LATENCY, kLatency, nullptr));
    if (!l.stream) {
        l.failure =
            translate("Messages", "sound server refused the stream") + ": " + spa_strerror(-errno);
        return false;
    }
    static const pw_stream_events streamEvents = [] {
        pw_stream_events events{};
        events.version = PW_VERSION_STREAM_EVENTS;
        events.state_changed = &Link::stateChanged;
        events.process = &Link::process;
        return events;
    }();
    pw_stream_add_listener(l.stream, &l.streamHook, &streamEvents, &l);
    std::uint8_t bytes[kFormatPodBytes];
    spa_pod_builder builder = SPA_POD_BUILDER_INIT(bytes, sizeof bytes);
    spa_audio_info_raw format{};
    format.format = SPA_AUDIO_FORMAT_S16;
    format.rate = Movie::SampleRate;
    format.channels = 1;
    format.position[0] = SPA_AUDIO_CHANNEL_MONO;
    const spa_pod* params[] = {spa_format_audio_raw_build(&builder, SPA_PARAM_EnumFormat, &format)};
    const auto flags = pw_stream_flags(PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS |
                                       PW_STREAM_FLAG_RT_PROCESS);
    const int connected =
        pw_stream_connect(l.stream, PW_DIRECTION_OUTPUT, PW_ID_ANY, flags, params, 1);
    if (connected < 0) {
        l.failure = translate("Messages", "sound server refused the stream") + ": " +
                    spa_strerror(connected);
        return false;
    }
    if (pw_thread_loop_start(l.loop) != 0) {
        l.failure = translate("Messages", "the sound library would not start");
        return false;
    }
    // Open only once it plays somewhere, so that sound is said to be back only when it is.
    pw_thread_loop_lock(l.loop);
    timespec deadline{};
    pw_thread_loop_get_time(l.loop, &deadline, kLinkWaitNs);
    while (!l.lost && !l.linked)
        if (pw_thread_loop_timed_wait_full(l.loop, &deadline) != 0)
            break;
    const bool linked = l.linked && !l.lost;
    if (!linked)
        l.failure =
            l.failure.empty()
                ? translate("Messages", "sound server has no output to play on")
                : translate("Messages", "sound server refused the stream") + ": " + l.failure;
    pw_thread_loop_unlock(l.loop);
    return linked;
}

bool PipeWireDevice::lost() const
{
    return link_->lost;
}

std::string PipeWireDevice::failure() const
{
    if (!link_->loop)
        return link_->failure;
    pw_thread_loop_lock(link_->loop);
    std::string why = link_->failure;
    pw_thread_loop_unlock(link_->loop);
    return why;
}

void PipeWireDevice::pause(bool paused)
{
    pw_thread_loop_lock(link_->loop);
    pw_stream_set_active(link_->stream, !paused);
    pw_thread_loop_unlock(link_->loop);
}

} // namespace platform
