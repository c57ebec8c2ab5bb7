// SPDX-License-Identifier: GPL-3.0-or-later
// Times what a person sees, from outside the program, with the X server's own events:
//   xlatency keys N        N key presses (XTest) into the active window; each press's time to
//                          the window's next drawing (Damage), in ms, one line each
//   xlatency clicks N      the same with N clicks of the left button, over the whole screen
//   xlatency start PROG    runs PROG; the time from exec to its first drawing in a new top-level
//                          window, in ms (run it on a display without a window manager)
//   xlatency sounds SOURCE FILE N GAP
//                          N key presses GAP ms apart while recording SOURCE (a PulseAudio
//                          source, a sink's monitor) into FILE (s16, 44.1 kHz, one channel);
//                          each press's time on the recording's clock, in ms, one line each

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <pulse/error.h>
#include <pulse/simple.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace {

using Clock = std::chrono::steady_clock;

double nowMs()
{
    return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
}

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

xcb_window_t activeWindow(xcb_connection_t* c, xcb_window_t root)
{
    const char name[] = "_NET_ACTIVE_WINDOW";
    auto* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    if (!atom)
        return XCB_NONE;
    auto* prop = xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
    std::free(atom);
    xcb_window_t window = XCB_NONE;
    if (prop && xcb_get_property_value_length(prop) == 4)
        window = *static_cast<xcb_window_t*>(xcb_get_property_value(prop));
    std::free(prop);
    return window;
}

// Waits for a Damage notification (its event code given) until the timeout; true if one came.
bool waitForDamage(xcb_connection_t* c, std::uint8_t damageEvent, xcb_damage_damage_t damage,
                   double timeoutMs)
{
    const auto start = Clock::now();
    while (msSince(start) < timeoutMs) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            const bool hit = (event->response_type & 0x7f) == damageEvent;
            std::free(event);
            if (hit) {
                xcb_damage_subtract(c, damage, XCB_NONE, XCB_NONE);
                xcb_flush(c);
                return true;
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return false;
}

void drain(xcb_connection_t* c)
{
    while (xcb_generic_event_t* event = xcb_poll_for_event(c))
        std::free(event);
}

constexpr std::uint8_t kKeyA = 38;

// Records a source and knows when each of its samples passed it: a recording's length lags the
// sound by what the server and the recorder still hold, which differs from one server to the
// next and would be counted into every onset. Each read, less the latency the server reports,
// dates the recording's first sample. A server that drops some of the recording, or runs at a
// clock of its own, moves that date, so a press is placed by the reads around it.
class Recorder {
  public:
    static constexpr int kRate = 44100;

    explicit Recorder(const char* source)
    {
        const pa_sample_spec format{PA_SAMPLE_S16LE, kRate, 1};
        pa_channel_map map;
        pa_channel_map_init_mono(&map);
        map.map[0] = PA_CHANNEL_POSITION_FRONT_LEFT;
        pa_buffer_attr attr{};
        attr.maxlength = std::uint32_t(-1);
        attr.fragsize = kReadFrames * sizeof(std::int16_t);
        int error = 0;
        stream_ = pa_simple_new(nullptr, "xlatency", PA_STREAM_RECORD, source, "onsets", &format,
                                &map, &attr, &error);
        if (stream_)
            thread_ = std::thread([this] { run(); });
    }
    ~Recorder()
    {
        stop();
        if (stream_)
            pa_simple_free(stream_);
    }
    bool recording() const { return stream_; }
    bool heardAny()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return !reads_.empty();
    }
    // Where a moment (ms, steady clock) falls in the recording, in ms; once something was heard.
    double place(double moment)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        std::vector<Read> near = reads_;
        const auto distance = [moment](const Read& a, const Read& b) {
            return std::abs(a.at - moment) < std::abs(b.at - moment);
        };
        const std::size_t count = std::min(near.size(), kNearReads);
        std::nth_element(near.begin(), near.begin() + long(count) - 1, near.end(), distance);
        std::vector<double> starts;
        for (std::size_t i = 0; i < count; ++i)
            starts.push_back(near[i].start);
        std::nth_element(starts.begin(), starts.begin() + long(count / 2), starts.end());
        return moment - starts[count / 2];
    }
    bool save(const char* path)
    {
        stop();
        std::FILE* file = std::fopen(path, "wb");
        const bool written = file && std::fwrite(samples_.data(), sizeof(std::int16_t),
                                                 samples_.size(), file) == samples_.size();
        return (file && std::fclose(file) == 0) && written;
    }

  private:
    // 2 ms a read.
    static constexpr std::size_t kReadFrames = kRate / 500;
    // The reads of the 100 ms around a press.
    static constexpr std::size_t kNearReads = 50;
    struct Read {
        double at;
        double start;
    };

    void stop()
    {
        if (thread_.joinable()) {
            stop_ = true;
            thread_.join();
        }
    }

    void run()
    {
        std::int16_t chunk[kReadFrames];
        while (!stop_) {
            int error = 0;
            if (pa_simple_read(stream_, chunk, sizeof chunk, &error) < 0) {
                std::fprintf(stderr, "xlatency: recording: %s\n", pa_strerror(error));
                return;
            }
            const double now = nowMs();
            const pa_usec_t latency = pa_simple_get_latency(stream_, &error);
            std::lock_guard<std::mutex> lock(mutex_);
            samples_.insert(samples_.end(), chunk, chunk + kReadFrames);
            reads_.push_back({now, now - latency / 1000.0 - samples_.size() * 1000.0 / kRate});
        }
    }

    pa_simple* stream_ = nullptr;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::int16_t> samples_;
    std::vector<Read> reads_;
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(
            stderr,
            "usage: xlatency keys|clicks N | start PROG [ARGS] | sounds SOURCE FILE N GAP\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "xlatency: no display\n");
        return 1;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_damage_id);
    std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    const std::uint8_t damageEvent = ext->first_event + XCB_DAMAGE_NOTIFY;

    const bool clicks = std::strcmp(argv[1], "clicks") == 0;
    if (std::strcmp(argv[1], "keys") == 0 || clicks) {
        const int presses = std::atoi(argv[2]);
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        const xcb_window_t window = activeWindow(c, root);
        xcb_damage_damage_t damage = xcb_generate_id(c);
        xcb_damage_create(c, damage, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(c);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        drain(c);
        xcb_damage_subtract(c, damage, XCB_NONE, XCB_NONE);
        for (int i = 0; i < presses; ++i) {
            if (clicks) {
                // A new place each time, so each click is a press of its own.
                const auto x = std::int16_t((i * 397 + 101) % screen->width_in_pixels);
                const auto y = std::int16_t((i * 211 + 67) % screen->height_in_pixels);
                xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root, x, y, 0);
                xcb_flush(c);
                std::this_thread::sleep_for(std::chrono::milliseconds(30));
                drain(c);
                xcb_damage_subtract(c, damage, XCB_NONE, XCB_NONE);
                xcb_flush(c);
            }
            const auto start = Clock::now();
            const std::uint8_t press = clicks ? XCB_BUTTON_PRESS : XCB_KEY_PRESS;
            const std::uint8_t release = clicks ? XCB_BUTTON_RELEASE : XCB_KEY_RELEASE;
            const std::uint8_t detail = clicks ? 1 : kKeyA;
            xcb_test_fake_input(c, press, detail, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
            xcb_test_fake_input(c, release, detail, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
            xcb_flush(c);
            if (waitForDamage(c, damageEvent, damage, 1000))
                std::printf("%.2f\n", msSince(start));
            else
                std::printf("none\n");
            std::fflush(stdout);
            std::this_thread::sleep_for(std::chrono::milliseconds(120));
            drain(c);
            xcb_damage_subtract(c, damage, XCB_NONE, XCB_NONE);
            xcb_flush(c);
        }
        return 0;
    }

    if (std::strcmp(argv[1], "sounds") == 0 && argc == 6) {
        Recorder recorder(argv[2]);
        if (!recorder.recording()) {
            std::fprintf(stderr, "xlatency: cannot record %s\n", argv[2]);
            return 1;
        }
        const auto gap = std::chrono::milliseconds(std::atoi(argv[5]));
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        std::vector<double> presses;
        for (int i = 0; i < std::atoi(argv[4]); ++i) {
            presses.push_back(nowMs());
            xcb_test_fake_input(c, XCB_KEY_PRESS, kKeyA, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
            xcb_test_fake_input(c, XCB_KEY_RELEASE, kKeyA, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
            xcb_flush(c);
            std::this_thread::sleep_for(gap);
        }
        if (!recorder.heardAny()) {
            std::fprintf(stderr, "xlatency: nothing was recorded from %s\n", argv[2]);
            return 1;
        }
        std::vector<double> places;
        for (const double press : presses)
            places.push_back(recorder.place(press));
        if (!recorder.save(argv[3])) {
            std::fprintf(stderr, "xlatency: cannot write %s\n", argv[3]);
            return 1;
        }
        for (const double place : places)
            std::printf("%.1f\n", place);
        return 0;
    }

    if (std::strcmp(argv[1], "start") == 0) {
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(c);
        const auto start = Clock::now();
        const pid_t child = fork();
        if (child == 0) {
            execvp(argv[2], argv + 2);
            _exit(127);
        }
        xcb_damage_damage_t damage = XCB_NONE;
        bool reportedOnCreation = false;
        double painted = -1;
        while (msSince(start) < 10000 && painted < 0) {
            xcb_generic_event_t* event = xcb_poll_for_event(c);
            if (!event) {
                std::this_thread::sleep_for(std::chrono::microseconds(100));
                continue;
            }
            const std::uint8_t type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && damage == XCB_NONE) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                damage = xcb_generate_id(c);
                xcb_damage_create(c, damage, map->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(c);
            } else if (type == damageEvent && !reportedOnCreation) {
                // A new Damage at once reports the whole window, drawn or not: that is the map,
                // not a frame. The program's own first drawing is the next report.
                reportedOnCreation = true;
                xcb_damage_subtract(c, damage, XCB_NONE, XCB_NONE);
                xcb_flush(c);
            } else if (type == damageEvent) {
                painted = msSince(start);
            }
            std::free(event);
        }
        std::printf(painted < 0 ? "none\n" : "%.1f\n", painted);
        kill(child, SIGTERM);
        for (int i = 0; i < 40 && waitpid(child, nullptr, WNOHANG) == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return 0;
    }
    return 2;
}
