#include "puzzle/cube_nets.h"

#include "shell/game_state.h"

#include <cstdlib>
#include <cstring>

int (*drawRandomNumber)() = std::rand;

const RollMove rollMoves[rollDirectionCount] = {
    // right: the left face comes to the front
    {{netFront, netRight, netBackAcross, netLeft},
     {netLeft, netFront, netRight, netBackAcross},
     netBackDown, netBackAcross,
     {netTop, netBottom}, {-1, +1}},
    // left: the right face comes to the front
    {{netFront, netLeft, netBackAcross, netRight},
     {netRight, netFront, netLeft, netBackAcross},
     netBackDown, netBackAcross,
     {netTop, netBottom}, {+1, -1}},
    // up: the bottom face comes to the front
    {{netFront, netTop, netBackDown, netBottom},
     {netBottom, netFront, netTop, netBackDown},
     netBackAcross, netBackDown,
     {netLeft, netRight}, {-1, +1}},
    // down: the top face comes to the front
    {{netFront, netBottom, netBackDown, netTop},
     {netTop, netFront, netBottom, netBackDown},
     netBackAcross, netBackDown,
     {netLeft, netRight}, {+1, -1}},
};

namespace {

int drawPictureIndex()
{
    return drawRandomNumber() % pictureCount + 1;
}

constexpr NetCell horizontalRing[4] = {netLeft, netFront, netRight, netBackAcross};
constexpr NetCell verticalRing[4] = {netTop, netFront, netBottom, netBackDown};

bool ringHolds(const int net[4][4], const NetCell (&ring)[4], int value)
{
    for (NetCell cell : ring)
        if (net[cell.i][cell.j] == value)
            return true;
    return false;
}

} // namespace

void generateCubes()
{
    std::memset(cubeNet, 0, sizeof cubeNet);
    std::memset(cubeTurn, 0, sizeof cubeTurn);

    // Left, front, right and back first: four different pictures in that order.
    for (int c = 1; c <= cubeCount; ++c) {
        for (NetCell cell : horizontalRing) {
            int value;
            do
                value = drawPictureIndex();
            while (ringHolds(cubeNet[c], horizontalRing, value));
            cubeNet[c][cell.i][cell.j] = value;
        }
    }

    // Then the two pictures left over go to the top and the bottom, top first.
    for (int c = 1; c <= cubeCount; ++c) {
        for (NetCell cell : {netTop, netBottom}) {
            int value;
            bool taken;
            do {
                value = drawPictureIndex();
                taken = ringHolds(cubeNet[c], horizontalRing, value) ||
                        ringHolds(cubeNet[c], verticalRing, value);
                cubeNet[c][netBackDown.i][netBackDown.j] = cubeNet[c][netBackAcross.i][netBackAcross.j];
            } while (taken);
            cubeNet[c][cell.i][cell.j] = value;
        }
    }
}

void rollNet(int net[4][4], int turn[4][4], RollDirection direction)
{
    const RollMove& move = rollMoves[direction];

    int movedFace[4];
    int movedTurn[4];
    for (int m = 0; m < 4; ++m) {
        movedFace[m] = net[move.ringFrom[m].i][move.ringFrom[m].j];
        movedTurn[m] = turn[move.ringFrom[m].i][move.ringFrom[m].j];
    }
    for (int m = 0; m < 4; ++m) {
        net[move.ringTo[m].i][move.ringTo[m].j] = movedFace[m];
        turn[move.ringTo[m].i][move.ringTo[m].j] = movedTurn[m];
    }

    // The other ring's copy of the back takes the face but keeps its own turn.
    net[move.backCopyTo.i][move.backCopyTo.j] = net[move.backCopyFrom.i][move.backCopyFrom.j];

    for (int a = 0; a < 2; ++a) {
        int& t = turn[move.axisFaces[a].i][move.axisFaces[a].j];
        t = ((t + move.axisTurnChange[a]) % 4 + 4) % 4;
    }
}

void rollCube(int cube, RollDirection direction)
{
    if (cube < 1 || cube > cubeCount)
        return;
    rollNet(cubeNet[cube], cubeTurn[cube], direction);
}
