// The game on the scripted platform with the fixture's media, ready for a
// level to be set up: the grid laid out, a new game chosen.
#pragma once

#include "files/save_file.h"
#include "puzzle/cube_nets.h"
#include "puzzle/level_setup.h"
#include "shell/game_state.h"
#include "shell/main_loop.h"
#include "support/game_fixture.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

class LevelTest : public ScriptedGameTest {
protected:
    void SetUp() override
    {
        ScriptedGameTest::SetUp();
        startGame();
        beginMainLoop();
        gameMode = gameModeNew;
    }
    void TearDown() override
    {
        drawRandomNumber = std::rand;
        ScriptedGameTest::TearDown();
    }

    // Alpha of a pixel of any bitmap.
    static int alphaAt(ALLEGRO_BITMAP* bitmap, int x, int y)
    {
        unsigned char r, g, b, a;
        al_unmap_rgba(al_get_pixel(bitmap, x, y), &r, &g, &b, &a);
        return a;
    }
    static int brightness(const int rgb[3]) { return rgb[0] + rgb[1] + rgb[2]; }

    static std::string readFile(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }
    static void writeFile(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }
};

// Raw random numbers handed out first, before std::rand takes over.
inline std::vector<int> scriptedDraws;
inline int drawScriptedFirst()
{
    if (scriptedDraws.empty())
        return std::rand();
    int value = scriptedDraws.front();
    scriptedDraws.erase(scriptedDraws.begin());
    return value;
}
