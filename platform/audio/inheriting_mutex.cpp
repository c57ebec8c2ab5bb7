// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/inheriting_mutex.h"

namespace platform {

InheritingMutex::InheritingMutex()
{
    pthread_mutexattr_t attributes;
    pthread_mutexattr_init(&attributes);
    // Where the system cannot, it stays a plain mutex.
    pthread_mutexattr_setprotocol(&attributes, PTHREAD_PRIO_INHERIT);
    pthread_mutex_init(&mutex_, &attributes);
    pthread_mutexattr_destroy(&attributes);
}

InheritingMutex::~InheritingMutex()
{
    pthread_mutex_destroy(&mutex_);
}

void InheritingMutex::lock()
{
    pthread_mutex_lock(&mutex_);
}

void InheritingMutex::unlock()
{
    pthread_mutex_unlock(&mutex_);
}

} // namespace platform
