// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace platform {

// The one instance of a service that tests replace (the keyboard's state, the timers' clock, the
// random source): the one installed, or the system's own, made on first use.
template <class Service> class Replaceable {
  public:
    using Maker = std::unique_ptr<Service> (*)();

    explicit Replaceable(Maker makeOwn) : makeOwn_(makeOwn) {}

    Service& get()
    {
        if (!held_)
            held_ = makeOwn_();
        return *held_;
    }
    // Nothing goes back to the system's own.
    void install(std::unique_ptr<Service> service) { held_ = std::move(service); }

  private:
    Maker makeOwn_;
    std::unique_ptr<Service> held_;
};

} // namespace platform
