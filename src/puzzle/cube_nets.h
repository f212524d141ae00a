// The cube net: how a cube's six faces are held, how a new level deals them,
// and how a finished roll moves them.
#pragma once

// A cell [i][j] of a 4 x 4 net; i runs left to right, j top to bottom.
struct NetCell {
    int i;
    int j;
};

constexpr NetCell netLeft{0, 1};
constexpr NetCell netFront{1, 1};
constexpr NetCell netRight{2, 1};
constexpr NetCell netBackAcross{3, 1};   // the back as the end of the horizontal ring
constexpr NetCell netTop{1, 0};
constexpr NetCell netBottom{1, 2};
constexpr NetCell netBackDown{1, 3};     // the back as the end of the vertical ring

// The four ways a cube rolls, in the order the swipe flags are looked at.
enum RollDirection { rollRight, rollLeft, rollUp, rollDown };
constexpr int rollDirectionCount = 4;

// What a finished roll does to a net: the four ring moves (new[to] = old[from],
// all at once, faces and turns together), the back copy that follows the ring
// (face only), and the turns of the two faces on the roll's axis.
struct RollMove {
    NetCell ringTo[4];
    NetCell ringFrom[4];
    NetCell backCopyTo;
    NetCell backCopyFrom;
    NetCell axisFaces[2];
    int axisTurnChange[2];
};

extern const RollMove rollMoves[rollDirectionCount];

// The face that slides onto the front during a roll.
inline NetCell incomingFace(RollDirection direction) { return rollMoves[direction].ringFrom[0]; }

// Where generateCubes takes its random numbers: std::rand, seeded once at
// start-up. Tests put a scripted sequence here.
extern int (*drawRandomNumber)();

// Deals the six pictures onto the faces of cubes 1..12 for a new level.
void generateCubes();

// Moves a net as a finished roll does; `net` and `turn` are one cube's arrays.
void rollNet(int net[4][4], int turn[4][4], RollDirection direction);
// The end of a roll of the cube in cell `cube`.
void rollCube(int cube, RollDirection direction);
