#include "support/game_invariants.h"

#include <set>

namespace {

struct Cell {
    int i, j;
};

// The cross of six faces and the second copy of the back, [i][j] with i
// left to right and j top to bottom.
constexpr Cell faces[] = {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {1, 0}, {1, 2}};
constexpr Cell secondBack = {1, 3};

bool onNet(int i, int j)
{
    for (Cell face : faces)
        if (face.i == i && face.j == j)
            return true;
    return i == secondBack.i && j == secondBack.j;
}

std::string at(int cube, int i, int j)
{
    return "cube " + std::to_string(cube) + " [" + std::to_string(i) + "][" + std::to_string(j) + "]";
}

}  // namespace

std::string brokenCubeInvariant(const SavedGame& game)
{
    for (int c = 1; c <= cubeCount; ++c) {
        std::set<int> carried;
        for (Cell face : faces)
            carried.insert(game.cubeNet[c][face.i][face.j]);
        if (carried != std::set<int>{1, 2, 3, 4, 5, 6})
            return "cube " + std::to_string(c) + " does not carry pictures 1..6 once each";
        if (game.cubeNet[c][3][1] != game.cubeNet[c][secondBack.i][secondBack.j])
            return "cube " + std::to_string(c) + " shows two different backs";
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) {
                int turn = game.cubeTurn[c][i][j];
                if (!onNet(i, j) && (game.cubeNet[c][i][j] != 0 || turn != 0))
                    return at(c, i, j) + " is off the net but not 0";
                if (turn < 0 || turn > 3)
                    return at(c, i, j) + " is turned " + std::to_string(turn) + " times";
            }
    }
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (game.cubeNet[0][i][j] != 0 || game.cubeTurn[0][i][j] != 0)
                return "the unused cube 0 holds something";
    return "";
}

std::string brokenSaveInvariant(const SavedGame& game)
{
    if (game.level < 0 || game.level > 2)
        return "level " + std::to_string(game.level);
    std::set<int> numbers;
    int solved = 0;
    for (int k = 1; k <= pictureCount; ++k) {
        if (game.pictureNumber[k] < 1 || game.pictureNumber[k] > 12)
            return "picture " + std::to_string(k) + " has file number " + std::to_string(game.pictureNumber[k]);
        numbers.insert(game.pictureNumber[k]);
        if (game.pictureSolved[k] != 0 && game.pictureSolved[k] != 1)
            return "picture " + std::to_string(k) + " is solved " + std::to_string(game.pictureSolved[k]);
        solved += game.pictureSolved[k];
    }
    if (numbers.size() != pictureCount)
        return "two pictures share a file";
    if (solved == pictureCount)
        return "every picture is already solved";
    if (game.pictureNumber[0] != 0 || game.pictureSolved[0] != 0)
        return "the unused picture 0 holds something";
    if (game.moveCount < 0)
        return "negative move count";
    for (int moves : game.levelMoves)
        if (moves < 0)
            return "negative level moves";
    return brokenCubeInvariant(game);
}
