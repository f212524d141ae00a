#include "puzzle/solver.h"

#include "shell/game_state.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <map>

namespace {

// A cube's whole net: the faces, then their turns. The two copies of the back
// keep turns of their own, so there can be more states than the 24 ways a
// cube can stand; the search covers whatever the rolls reach.
using NetState = std::array<int, 32>;

NetState packNet(const int net[4][4], const int turn[4][4])
{
    NetState state;
    std::memcpy(state.data(), net, 16 * sizeof(int));
    std::memcpy(state.data() + 16, turn, 16 * sizeof(int));
    return state;
}

NetState rolled(const NetState& state, RollDirection direction)
{
    int net[4][4];
    int turn[4][4];
    std::memcpy(net, state.data(), sizeof net);
    std::memcpy(turn, state.data() + 16, sizeof turn);
    rollNet(net, turn, direction);
    return packNet(net, turn);
}

bool showsUpright(const NetState& state, int picture)
{
    int front = netFront.i * 4 + netFront.j;
    return state[front] == picture && state[16 + front] == 0;
}

} // namespace

std::optional<std::vector<RollDirection>> findRollsToFront(const int net[4][4],
                                                           const int turn[4][4], int picture)
{
    struct Step {
        NetState before;
        RollDirection direction;
    };
    bool carried = false;
    for (NetCell cell : {netLeft, netFront, netRight, netBackAcross, netTop, netBottom})
        carried = carried || net[cell.i][cell.j] == picture;
    if (!carried)
        return std::nullopt;

    NetState start = packNet(net, turn);
    std::map<NetState, std::optional<Step>> cameFrom{{start, std::nullopt}};
    std::deque<NetState> queue{start};

    while (!queue.empty()) {
        NetState state = queue.front();
        queue.pop_front();
        if (showsUpright(state, picture)) {
            std::vector<RollDirection> rolls;
            for (auto step = cameFrom.at(state); step; step = cameFrom.at(step->before))
                rolls.push_back(step->direction);
            std::reverse(rolls.begin(), rolls.end());
            return rolls;
        }
        for (int d = 0; d < rollDirectionCount; ++d) {
            auto direction = static_cast<RollDirection>(d);
            NetState next = rolled(state, direction);
            if (cameFrom.emplace(next, Step{state, direction}).second)
                queue.push_back(next);
        }
    }
    return std::nullopt;
}

std::optional<std::vector<RollDirection>> findRollsToFront(int cube, int picture)
{
    if (cube < 1 || cube > cubeCount)
        return std::nullopt;
    return findRollsToFront(cubeNet[cube], cubeTurn[cube], picture);
}
