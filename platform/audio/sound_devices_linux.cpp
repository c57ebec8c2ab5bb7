// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/pipewire_device.h"
#include "platform/audio/pulse_device.h"
#include "platform/audio/sound_device.h"

namespace platform {

std::vector<SoundDeviceMaker> systemSoundDevices()
{
    // A PipeWire daemon natively where one answers; where only PulseAudio runs, that.
    return {[] { return std::make_unique<PipeWireDevice>(); },
            [] { return std::make_unique<PulseDevice>(); }};
}

} // namespace platform
