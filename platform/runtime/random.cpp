// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime/random.h"

#include "platform/runtime/replaceable.h"

#include <random>

namespace platform {
namespace {

class SystemRandom : public RandomSource {
  public:
    double next() override { return dist_(engine_); }

  private:
    std::mt19937_64 engine_{std::random_device{}()};
    std::uniform_real_distribution<double> dist_{0.0, 1.0};
};

std::unique_ptr<RandomSource> makeSystemRandom()
{
    return std::make_unique<SystemRandom>();
}

Replaceable<RandomSource>& current()
{
    static Replaceable<RandomSource> source(&makeSystemRandom);
    return source;
}

} // namespace

double Rnd()
{
    return current().get().next();
}

void setRandomSource(std::unique_ptr<RandomSource> source)
{
    current().install(std::move(source));
}

} // namespace platform
