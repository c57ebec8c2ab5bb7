// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace platform {

// Where Rnd draws from; tests replace it with a scripted sequence.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double next() = 0; // uniform in [0, 1)
};

double Rnd();

// Installs a source for Rnd; nullptr restores the system's own.
void setRandomSource(std::unique_ptr<RandomSource> source);

} // namespace platform
