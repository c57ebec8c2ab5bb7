// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// A link to one kind of sound server with one playback stream, mono 16-bit at the sounds' own
// rate, which the server pulls from on a realtime thread of the device's own as fast as it plays.
class SoundDevice {
  public:
    // Fills the next frames; runs on the device's realtime thread, so it must never block.
    using Pull = std::function<void(std::int16_t* out, std::size_t frames)>;

    virtual ~SoundDevice() = default;
    // Connects and starts the stream; false when no server of this kind answers, or when one
    // answers but will not play.
    virtual bool open(const Pull& pull) = 0;
    // The server went away, or the stream failed: this device is to be let go.
    virtual bool lost() const = 0;
    // Why it would not play ("sound server refused the stream: Access denied"), or, once lost,
    // the server's own word for why; empty where no server of this kind answered.
    virtual std::string failure() const = 0;
    // The stream stops or starts being pulled, so an idle toy costs nothing.
    virtual void pause(bool paused) = 0;

    // Told how many of the frames sent the server has not played yet and would take again, the
    // mix goes back by up to that many and says how far it went.
    using GoBack = std::function<std::size_t(std::size_t unplayed)>;
    // A new sound: where the server keeps frames queued, they are pulled again and sent over
    // the old ones, so that it is heard at once rather than after them.
    virtual void resend(const GoBack& goBack) { goBack(0); }
};

using SoundDeviceMaker = std::function<std::unique_ptr<SoundDevice>()>;

// The kinds of sound server this system may have, the best first; chosen by the build per
// operating system.
std::vector<SoundDeviceMaker> systemSoundDevices();

} // namespace platform
