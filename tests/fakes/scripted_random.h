// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/runtime/random.h"

#include <deque>
#include <initializer_list>

// Rnd from a script.
class ScriptedRandom : public platform::RandomSource {
  public:
    double next() override
    {
        // Running dry is a fault of the test: noted, and answered with values that still let
        // retry loops end.
        if (values_.empty()) {
            ++overdrawn_;
            const double spread = overdrawn_ * 0.37;
            return spread - int(spread);
        }
        const double value = values_.front();
        values_.pop_front();
        return value;
    }

    void push(std::initializer_list<double> values) { values_.insert(values_.end(), values); }
    void push(double value) { values_.push_back(value); }
    // Rnd values for shape actions on the defaults: each its kind, its place, and a black fill
    // with a red line.
    void pushShapes(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            push({giving(3, 6, 1), 0.5, 0.5, 0.5, 0.5, 0.0, 0.9});
    }
    // Every scripted value drawn, and none past them.
    bool spent() const { return values_.empty() && overdrawn_ == 0; }
    void reset()
    {
        values_.clear();
        overdrawn_ = 0;
    }

    // The value whose draw trunc(Rnd × a + b) gives exactly result.
    static double giving(int result, double a, double b) { return (result + 0.5 - b) / a; }

  private:
    std::deque<double> values_;
    int overdrawn_ = 0;
};
