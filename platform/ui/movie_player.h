// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/control.h"

namespace platform {

class Movie;

// A hidden sound player: Play starts its clip and returns at once.
class MoviePlayer : public Control {
  public:
    MoviePlayer(Window& owner, std::string name, bool looping);
    ~MoviePlayer() override;

    const Movie* movie() const { return movie_; }
    void setMovie(const Movie* movie) { movie_ = movie; }
    bool Looping() const { return looping_; }
    // Playing a clip that still sounds starts it again from the beginning.
    void Play();
    void Stop();

    void windowClosing() override { Stop(); }

  private:
    const Movie* movie_ = nullptr;
    bool looping_;
};

} // namespace platform
