// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace platform {
class MoviePlayer;
}

// The play window's eight sound players and the sound sets loaded into them, and the choice of
// which one sounds next.
class SoundBoard {
  public:
    static constexpr int kPlayers = 8;
    using Players = std::array<platform::MoviePlayer*, kPlayers>;

    SoundBoard() = default;
    explicit SoundBoard(const Players& players);

    // The three sound sets, each written into the sound table's slots in its own order.
    static void writeSimple();       // slots 1 to 6
    static void writeComplex();      // slots 1 to 8
    static void writeRecognizable(); // slots 1 to 6

    // Six sounds of the complex set, until the parent chooses.
    void loadDefault();
    // The set the parent chose, into the table and then into the players.
    void loadChosen();
    // The player after the one played last, round the set; returns its number.
    std::int32_t playNext(std::int32_t last);
    // Any player of the set.
    void playAny();
    // Player n, 1 to 8.
    platform::MoviePlayer& player(std::int32_t n) const;

  private:
    void loadPlayers(std::int32_t from, std::int32_t to);
    // Players outside the table are left silent.
    void play(std::int32_t n) const;

    Players players_{};
};
