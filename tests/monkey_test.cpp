// A monkey at the controls of the scripted game: random presses, drags,
// releases, Escapes and close-box clicks, made whenever the game reads its
// input, through every screen: the title, the start menu, the levels, the
// final screen and the new game after it. Now and then it puts a picture
// together by rolling nets directly (as the solver would), or no monkey
// would ever see a later level.
//
// After every frame: the cubes are whole nets, the progress is a game the
// player can be in, and the move count grew by nothing or by one finished
// roll. At random moments a save is written and read back, and must give the
// same game. Every session of the game ends in status 0, and one left with a
// level in play leaves exactly that level in its save.
//
// Seeded and repeatable: a failure names its seed, which
//   ZOR_MONKEY_SEED=<seed> ZOR_MONKEY_EVENTS=<count> build/tests/zor_tests --gtest_filter='Monkey*'
// replays (or plays for longer).
#include "files/save_file.h"
#include "puzzle/cube_nets.h"
#include "puzzle/solver.h"
#include "shell/game_state.h"
#include "shell/main_loop.h"
#include "support/game_fixture.h"
#include "support/game_invariants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <stdexcept>

namespace {

// A broken invariant stops the game at once, from inside a flip.
struct MonkeyCaught : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct MonkeyFigures {
    long events = 0;       // inputs made while the game was reading them
    long frames = 0;       // flips checked
    int sessions = 0;
    int levelsSetUp = 0;
    int rolls = 0;         // moves counted
    int picturesHelped = 0;
    int finalScreens = 0;
    int newGames = 0;
    int savesChecked = 0;
};

// A monkey's nature: its seed, how often (one input in so many) it puts a
// picture together for itself, and how often it leaves the game (Escape, the
// close box or the exit button) to start it again.
struct MonkeyNature {
    unsigned seed;
    int helpsEvery;
    int leavesEvery;
};

class Monkey {
public:
    Monkey(const MonkeyNature& nature, long events)
        : dice(nature.seed), helpsEvery(nature.helpsEvery), leavesEvery(nature.leavesEvery),
          eventBudget(events)
    {
    }

    // Sessions of the game, one after another, until the monkey has made its
    // events. Throws MonkeyCaught with what broke.
    void play()
    {
        while (figures.events < eventBudget)
            playSession();
    }

    MonkeyFigures figures;

private:
    int chance(int in) { return std::uniform_int_distribution<int>(0, in - 1)(dice) == 0; }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(dice); }

    void playSession()
    {
        resetGameState();
        auto scripted = std::make_unique<ScriptedPlatform>();
        platform = scripted.get();
        usePlatform(*scripted);
        scripted->calendar = between(1, 1 << 30);
        scripted->audioAvailable = chance(4) == 0;
        scripted->afterFlip = [this](int) { afterFrame(); };
        scheduleInput();
        held = false;
        watchedLevel = -1;
        watchedStarted = false;
        watchedMoves = 0;
        watchedRollStep = 0;
        ++figures.sessions;

        testing::internal::CaptureStderr();
        int status;
        try {
            status = gameMain();
        } catch (...) {
            testing::internal::GetCapturedStderr();
            throw;
        }
        std::string errors = testing::internal::GetCapturedStderr();
        if (status != 0)
            throw MonkeyCaught("the game ended with status " + std::to_string(status) + ": " + errors);
        if (scripted->screen() != nullptr)
            throw MonkeyCaught("the game ended with its window open");
        // Left with a level in play: that level is in the save, whole.
        if (level <= levelAllFinished && levelStarted == 1) {
            SavedGame saved;
            std::string why;
            if (!parseSavedGame(readSave(), saved, why))
                throw MonkeyCaught("the save left on leaving is refused: " + why);
            if (formatSavedGame(saved) != formatSavedGame(captureProgress()))
                throw MonkeyCaught("the save left on leaving holds another game");
        }
        platform = nullptr;
    }

    static std::string readSave()
    {
        std::ifstream file(saveFilePath, std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

    // ---- Checks, after every frame ----

    void afterFrame()
    {
        ++figures.frames;
        bool inPlay = levelStarted == 1 && level <= 2;
        if (inPlay) {
            std::string broken = brokenSaveInvariant(captureProgress());
            if (!broken.empty())
                throw MonkeyCaught("after frame " + std::to_string(figures.frames) + ": " + broken);
        }
        checkMoves(inPlay);
        if (level == levelGameOver && watchedLevel != levelGameOver)
            ++figures.finalScreens;
        if (level == 0 && watchedLevel == levelGameOver)
            ++figures.newGames;
        if (inPlay && chance(97))
            checkSaveAtThisMoment();
        watchedLevel = level;
    }

    // Within a level the count only ever grows by one, as a roll ends.
    void checkMoves(bool inPlay)
    {
        bool sameLevel = inPlay && watchedLevel == level && watchedStarted;
        if (sameLevel && moveCount != watchedMoves) {
            bool rollEnded = watchedRollStep != 0 && rollStep == 0;
            if (moveCount != watchedMoves + 1 || !rollEnded)
                throw MonkeyCaught("the move count went from " + std::to_string(watchedMoves) + " to " +
                                   std::to_string(moveCount) + (rollEnded ? "" : " with no roll ending"));
            ++figures.rolls;
        }
        if (sameLevel && watchedRollStep != 0 && rollStep == 0 && moveCount == watchedMoves)
            throw MonkeyCaught("a roll ended without a move counted");
        // A finished level keeps the moves it took.
        if (watchedStarted && watchedLevel >= 0 && watchedLevel <= 2 && level == watchedLevel + 1 &&
            levelMoves[watchedLevel] != watchedMoves)
            throw MonkeyCaught("level " + std::to_string(watchedLevel + 1) + " took " +
                               std::to_string(watchedMoves) + " moves but keeps " +
                               std::to_string(levelMoves[watchedLevel]));
        if (inPlay && !watchedStarted)
            ++figures.levelsSetUp;
        watchedStarted = inPlay;
        watchedMoves = moveCount;
        watchedRollStep = rollStep;
    }

    void checkSaveAtThisMoment()
    {
        SavedGame before = captureProgress();
        if (!saveProgress())
            throw MonkeyCaught("a save could not be written");
        if (!loadProgress())
            throw MonkeyCaught("a save just written is refused");
        if (formatSavedGame(captureProgress()) != formatSavedGame(before))
            throw MonkeyCaught("a save just written reads back as another game");
        ++figures.savesChecked;
    }

    // ---- Input, whenever the game reads it ----

    void scheduleInput()
    {
        // By the clock, not by flips: some screens wait for a click without
        // flipping.
        platform->atTime(platform->now() + 0.001, [this] {
            makeInput();
            scheduleInput();
        });
    }

    void makeInput()
    {
        ScriptedPlatform& p = *platform;
        // Once it has made its inputs, the monkey leaves.
        if (chance(leavesEvery) || figures.events >= eventBudget) {
            switch (between(0, 2)) {
            case 0: p.escapeDown = true; break;
            case 1: p.closeClicked = true; break;
            case 2: pressAt({between(870, 960), between(665, 679)}); break;
            }
            ++figures.events;
            return;
        }
        if (levelStarted == 1 && level <= 2 && rollStep == 0 && pressActive == 0 && chance(helpsEvery))
            helpWithAPicture();
        if (!held) {
            int roll = between(0, 99);
            if (roll < 45)
                pressAt(aimedPoint());
            else if (roll < 65)
                moveTo({between(0, screenWidth - 1), between(0, screenHeight - 1)}, 0);
            else
                return;
        } else {
            int roll = between(0, 99);
            if (roll < 55)
                drag();
            else if (roll < 85)
                release();
            else
                return;
        }
        ++figures.events;
    }

    struct Point {
        int x, y;
    };

    Point aimedPoint()
    {
        int roll = between(0, 999);
        if (roll < 600) {   // a cube, near its middle
            int cell = between(0, 11);
            return {330 + 153 * (cell % 4) + between(20, 130), 120 + 153 * (cell / 4) + between(20, 130)};
        }
        if (roll < 700)   // a menu entry
            return {between(430, 610), chance(2) ? between(290, 330) : between(370, 410)};
        if (roll < 800)   // the new-game button
            return {between(570, 680), between(612, 634)};
        return {between(0, screenWidth - 1), between(0, screenHeight - 1)};
    }

    void pressAt(Point at) { moveTo(at, 1); }

    void drag()
    {
        int distance = between(5, 70) * (chance(2) ? 1 : -1);
        Point at = {platform->mouse.x, platform->mouse.y};
        if (chance(4))
            at = {at.x + distance, at.y + between(-40, 40)};
        else if (chance(2))
            at.x += distance;
        else
            at.y += distance;
        moveTo(at, 1);
    }

    void release() { moveTo({platform->mouse.x, platform->mouse.y}, 0); }

    void moveTo(Point at, int buttons)
    {
        platform->mouse = {std::clamp(at.x, 0, screenWidth - 1), std::clamp(at.y, 0, screenHeight - 1), buttons};
        held = buttons != 0;
    }

    // Rolls every cube, straight on its net, until an unsolved picture shows.
    void helpWithAPicture()
    {
        for (int k = 1; k <= pictureCount; ++k) {
            if (pictureSolved[k] || pendingPicture == k)
                continue;
            for (int c = 1; c <= cubeCount; ++c) {
                auto rolls = findRollsToFront(c, k);
                if (!rolls)
                    throw MonkeyCaught("cube " + std::to_string(c) + " does not carry picture " + std::to_string(k));
                for (RollDirection direction : *rolls)
                    rollCube(c, direction);
            }
            ++figures.picturesHelped;
            return;
        }
    }

    std::mt19937 dice;
    int helpsEvery;
    int leavesEvery;
    long eventBudget;
    ScriptedPlatform* platform = nullptr;
    bool held = false;
    int watchedLevel = -1;
    bool watchedStarted = false;
    int watchedMoves = 0;
    int watchedRollStep = 0;
};

class MonkeyTest : public ScriptedGameTest, public ::testing::WithParamInterface<MonkeyNature> {
protected:
    void TearDown() override
    {
        // Sessions run on platforms of their own; the fixture's closes up.
        usePlatform(scripted);
        ScriptedGameTest::TearDown();
    }
};

unsigned chosenSeed(unsigned otherwise)
{
    const char* seed = std::getenv("ZOR_MONKEY_SEED");
    return seed ? unsigned(std::strtoul(seed, nullptr, 10)) : otherwise;
}

long chosenEvents()
{
    const char* events = std::getenv("ZOR_MONKEY_EVENTS");
    return events ? std::strtol(events, nullptr, 10) : 5000;
}

TEST_P(MonkeyTest, PlaysEveryScreenWithoutBreakingTheGame)
{
    MonkeyNature nature = GetParam();
    nature.seed = chosenSeed(nature.seed);
    Monkey monkey(nature, chosenEvents());
    try {
        monkey.play();
    } catch (const MonkeyCaught& caught) {
        FAIL() << "monkey seed " << nature.seed << ", event " << monkey.figures.events << ", frame "
               << monkey.figures.frames << ": " << caught.what();
    }
    const MonkeyFigures& f = monkey.figures;
    std::printf("monkey seed %u: %ld events, %ld frames, %d sessions, %d levels set up, %d rolls, "
                "%d pictures put together, %d final screens, %d new games, %d saves read back\n",
                nature.seed, f.events, f.frames, f.sessions, f.levelsSetUp, f.rolls, f.picturesHelped,
                f.finalScreens, f.newGames, f.savesChecked);
    EXPECT_GT(f.rolls, 0) << "the monkey never rolled a cube";
    EXPECT_GT(f.savesChecked, 0) << "no save was read back";
    if (nature.helpsEvery <= 50 && !std::getenv("ZOR_MONKEY_EVENTS")) {
        EXPECT_GT(f.finalScreens, 0) << "the monkey never saw the final screen";
        EXPECT_GT(f.newGames, 0) << "the monkey never started a new game";
    }
}

// One monkey that gets through the levels to the final screen and a new
// game; one that mostly plays at random and leaves and comes back often.
INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyTest,
                         ::testing::Values(MonkeyNature{1, 20, 30000}, MonkeyNature{2, 400, 1500}),
                         [](const auto& info) { return "Seed" + std::to_string(info.param.seed); });

}  // namespace
