// Finds rolls for tests, tools and the benchmark; the player never sees it.
#pragma once

#include "puzzle/cube_nets.h"

#include <optional>
#include <vector>

// The shortest sequence of rolls that brings `picture` to the front of the
// cube in cell `cube`, upright. Nothing when the cube does not carry it.
std::optional<std::vector<RollDirection>> findRollsToFront(int cube, int picture);

// The same for a net held outside the board.
std::optional<std::vector<RollDirection>> findRollsToFront(const int net[4][4],
                                                           const int turn[4][4], int picture);
