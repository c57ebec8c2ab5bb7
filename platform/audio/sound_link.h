// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/audio/sound_device.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace platform {

// Keeps the sound connected, on a thread of its own so that neither the event thread nor a press
// ever waits for a sound server: opens the first server that answers; when it goes away, or was
// not there at the start, looks for one again every so often until one answers; says one line
// when sound goes, with why, and one when it is back; and pauses the stream while nothing sounds.
class SoundLink {
  public:
    // The pull also tells whether anything sounded.
    using Pull = std::function<bool(std::int16_t* out, std::size_t frames)>;

    using Say = std::function<void(const std::string& line)>;

    // fresh is called each time a stream is about to start; say is given each line for the
    // parent, on the link's own thread.
    SoundLink(std::vector<SoundDeviceMaker> makers, Pull pull, std::function<void()> fresh,
              Say say);
    ~SoundLink();
    SoundLink(const SoundLink&) = delete;
    SoundLink& operator=(const SoundLink&) = delete;

    // Something starts to sound: it is heard in what the server still has queued, where it can.
    void resend(const SoundDevice::GoBack& goBack);
    // Something started to sound: a paused stream runs again.
    void wake();
    bool connected() const { return connected_; }

  private:
    void run();
    // True once a device plays; else why is the first answering server's reason, if any.
    bool connect(std::string& why);

    std::vector<SoundDeviceMaker> makers_;
    Pull pull_;
    std::function<void()> fresh_;
    Say say_;
    // Set and let go on the link's thread, under deviceMutex_; resent to from a player's.
    std::mutex deviceMutex_;
    std::unique_ptr<SoundDevice> device_;
    std::atomic<std::int64_t> lastSound_{0};
    std::atomic<bool> connected_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
    bool woken_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace platform
