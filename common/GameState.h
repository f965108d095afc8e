// The state of the game the main window is in.
#pragma once

#include <cstdint>

enum class GameStatus : std::uint8_t {
    Idle = 0,
    Designing = 1,
    Playing = 2,
    Paused = 3,
    Finished = 4
};
