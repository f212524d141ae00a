// The scripted platform: the whole game runs on it without a window and
// without real waiting. Rests and flips advance a virtual clock; the mouse
// and Escape follow a script keyed by virtual time or by flip count; the
// screen is a memory bitmap a test can read pixel by pixel or save as PNG;
// sounds are logged, three voices deep, as the real mixer would take them.
// A simulated window of any size takes the mouse in window pixels and maps it
// into screen pixels as the real window does (shell/window_scaling.h).
#pragma once

#include "shell/platform.h"

#include <functional>
#include <string>
#include <vector>

class ScriptedPlatform : public Platform {
public:
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    // ---- The seam ----
    bool installInput() override { return true; }
    bool installAudio() override;
    bool openScreen() override;
    void closeScreen() override;
    ALLEGRO_BITMAP* screen() override { return screenBitmap; }
    double now() override { return clock; }
    long long calendarSeconds() override { return calendar; }
    void rest(double seconds) override;
    void readKeyboard(KeyboardState& state) override;
    void readMouse(MouseState& state) override;
    bool leaveRequested() override;
    void flip() override;
    Sound* loadSound(const char* path) override;
    void playSample(Sound* sound, float gain, float pan, float speed) override;
    void showMessage(const std::string& heading, const std::string& message) override;

    // ---- Settings ----
    double flipSeconds = 1.0 / 60;    // how long a flip takes on the virtual clock
    long long calendar = 1700000000;  // what the calendar clock says
    bool audioAvailable = true;
    bool screenAvailable = true;
    // The window's inside as the player has sized it, in window pixels. The
    // screen is fitted into it as into the real window, and the mouse (below)
    // is given in its pixels; at 1024 x 710, the default, they are screen pixels.
    int windowWidth = screenWidth;
    int windowHeight = screenHeight;

    // ---- The script ----
    // Mouse positions are window pixels, which readMouse maps into screen
    // pixels through the window's fit.
    // From virtual time `time` on, the mouse is at (x, y) with these buttons.
    void mouseAt(double time, int x, int y, int buttons);
    // From flip number `flip` on (counting from 1 after the first flip).
    void mouseAtFlip(int flip, int x, int y, int buttons);
    void escapeAt(double time, bool down = true);
    void escapeAtFlip(int flip, bool down = true);
    // Runs `action` once, at the first input read at or after that time/flip.
    void atTime(double time, std::function<void()> action);
    void atFlip(int flip, std::function<void()> action);
    // Runs after every flip, with the flip count (for tests that steer by
    // watching the game). Throwing from it is a way to stop the game early.
    std::function<void(int)> afterFlip;

    // The live devices, changed by the script or directly by a test. The
    // mouse is in window pixels.
    MouseState mouse;
    bool escapeDown = false;
    bool closeClicked = false;   // the close box or a termination signal; once set, stays set

    // ---- What happened ----
    int flips = 0;
    int rests = 0;
    struct SoundPlay {
        std::string path;
        float gain, pan, speed;
        double time;
        bool started;     // false when every voice was busy
    };
    std::vector<SoundPlay> sounds;
    struct Message {
        std::string heading, text;
    };
    std::vector<Message> messages;

    ALLEGRO_COLOR pixel(int x, int y);
    bool saveScreen(const std::string& pngPath);

private:
    struct Cue {
        bool byFlip;
        double time;
        int flip;
        std::function<void()> action;
    };
    void runDueCues();

    ALLEGRO_BITMAP* screenBitmap = nullptr;
    double clock = 0.0;
    std::vector<Cue> cues;
    std::vector<double> voiceBusyUntil;
};
