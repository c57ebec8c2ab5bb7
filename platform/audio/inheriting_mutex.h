// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <pthread.h>

namespace platform {

// A mutex whose holder runs at the priority of the most urgent thread waiting for it: a player on
// the event thread, put aside by a busy machine while it adds a voice, cannot keep the sound
// server's realtime thread waiting behind ordinary programs.
class InheritingMutex {
  public:
    InheritingMutex();
    ~InheritingMutex();
    InheritingMutex(const InheritingMutex&) = delete;
    InheritingMutex& operator=(const InheritingMutex&) = delete;

    void lock();
    void unlock();

  private:
    pthread_mutex_t mutex_;
};

} // namespace platform
