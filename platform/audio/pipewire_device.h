// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/audio/sound_device.h"

namespace platform {

// A PipeWire daemon, spoken to natively: a playback stream that asks the graph for a small
// quantum, pulled on PipeWire's realtime thread.
class PipeWireDevice : public SoundDevice {
  public:
    PipeWireDevice();
    ~PipeWireDevice() override;
    bool open(const Pull& pull) override;
    bool lost() const override;
    std::string failure() const override;
    void pause(bool paused) override;

  private:
    struct Link;
    std::unique_ptr<Link> link_;
};

} // namespace platform
