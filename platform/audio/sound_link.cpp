// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/sound_link.h"

#include "platform/runtime/language.h"

#include <chrono>
#include <utility>

namespace platform {
namespace {

// The first look waits for the first frame: a start must not wait for the sound server.
constexpr auto kFirstLook = std::chrono::milliseconds(50);
// How often a connected link looks whether the server is still there, and whether to pause.
constexpr auto kLook = std::chrono::milliseconds(250);
// How often a link without a server looks for one.
constexpr auto kRetry = std::chrono::seconds(1);
// After this long with nothing sounding, the stream pauses.
constexpr std::int64_t kIdleMs = 1500;

std::int64_t nowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

SoundLink::SoundLink(std::vector<SoundDeviceMaker> makers, Pull pull, std::function<void()> fresh,
                     Say say)
    : makers_(std::move(makers)), pull_(std::move(pull)), fresh_(std::move(fresh)),
      say_(std::move(say)), thread_([this] { run(); })
{
}

SoundLink::~SoundLink()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_one();
    thread_.join();
}

void SoundLink::wake()
{
    lastSound_.store(nowMs(), std::memory_order_relaxed);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        woken_ = true;
    }
    changed_.notify_one();
}

void SoundLink::resend(const SoundDevice::GoBack& goBack)
{
    std::lock_guard<std::mutex> lock(deviceMutex_);
    if (device_)
        device_->resend(goBack);
    else
        goBack(0);
}

bool SoundLink::connect(std::string& why)
{
    const SoundDevice::Pull pull = [this](std::int16_t* out, std::size_t frames) {
        if (pull_(out, frames))
            lastSound_.store(nowMs(), std::memory_order_relaxed);
    };
    // A new stream starts from silence: nothing the mix levelled before carries over.
    if (fresh_)
        fresh_();
    lastSound_.store(nowMs(), std::memory_order_relaxed);
    for (const SoundDeviceMaker& make : makers_) {
        std::unique_ptr<SoundDevice> device = make();
        if (device && device->open(pull)) {
            std::lock_guard<std::mutex> lock(deviceMutex_);
            device_ = std::move(device);
            connected_ = true;
            return true;
        }
        // The first server that answered and would not play says why.
        if (device && why.empty())
            why = device->failure();
    }
    return false;
}

void SoundLink::run()
{
    // Each said once, as sound goes: the reason it went, not every retry's.
    bool complained = false;
    bool paused = false;
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait_for(lock, kFirstLook, [this] { return stopping_; });
    while (!stopping_) {
        const bool woken = std::exchange(woken_, false);
        lock.unlock();
        if (device_ && device_->lost()) {
            const std::string why = device_->failure();
            {
                std::lock_guard<std::mutex> deviceLock(deviceMutex_);
                device_.reset();
            }
            connected_ = false;
            say_(why.empty() ? translate("Messages", "lost the sound output; playing without "
                                                     "sound until it is back")
                             : filled(translate("Messages", "lost the sound output: %1; playing "
                                                            "without sound until it is back"),
                                      {why}));
            complained = true;
        } else if (!device_) {
            std::string why;
            if (connect(why)) {
                paused = false;
                if (complained)
                    say_(translate("Messages", "sound is back"));
                complained = false;
            } else if (!complained) {
                say_(why.empty() ? translate("Messages", "no sound output found; playing without "
                                                         "sound until it is back")
                                 : filled(translate("Messages",
                                                    "%1; playing without sound until it is back"),
                                          {why}));
                complained = true;
            }
        } else if (paused && woken) {
            device_->pause(false);
            paused = false;
        } else if (!paused && nowMs() - lastSound_.load(std::memory_order_relaxed) >= kIdleMs) {
            device_->pause(true);
            paused = true;
        }
        lock.lock();
        // Without a server, it is looked for again on the retry's schedule, however much is
        // played meanwhile.
        changed_.wait_for(lock, device_ ? kLook : kRetry,
                          [this] { return stopping_ || (woken_ && device_); });
    }
    lock.unlock();
    std::lock_guard<std::mutex> deviceLock(deviceMutex_);
    device_.reset();
}

} // namespace platform
