// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/audio/sound_device.h"

namespace platform {

// A PulseAudio server (or PipeWire's stand-in for one): a playback stream with a short target
// queue, filled whenever the server asks.
class PulseDevice : public SoundDevice {
  public:
    PulseDevice();
    ~PulseDevice() override;
    bool open(const Pull& pull) override;
    bool lost() const override;
    std::string failure() const override;
    void pause(bool paused) override;
    void resend(const GoBack& goBack) override;

  private:
    struct Link;
    std::unique_ptr<Link> link_;
};

} // namespace platform
