// The one seam between the game and the machine: time, rest, input,
// presentation and sound all pass through here. The game runs on the real
// side (over Allegro, with a window) or on the scripted side (a virtual clock,
// scripted mouse and keyboard, an inspectable screen) for tests and tools.
//
// The game always draws into an off-screen screen bitmap; a flip presents it.
// So the screen keeps its contents across flips whatever the display driver
// does, which every fade and every partial repaint relies on.
#pragma once

#include "shell/game_state.h"

#include <allegro5/allegro_audio.h>

#include <string>

// A sound as the game holds it. Without an audio device there is no
// sample to play, but the file has still been found and read.
struct Sound {
    std::string path;
    double seconds = 0.0;               // length at speed 1
    ALLEGRO_SAMPLE* sample = nullptr;   // null when the platform has no audio
};

class Platform {
public:
    virtual ~Platform() = default;

    // Keyboard and mouse. False when they could not be installed.
    virtual bool installInput() = 0;
    // Audio with three sample voices. False leaves the game silent.
    virtual bool installAudio() = 0;
    // Opens the 1024 x 710 window and the screen bitmap the game draws into.
    virtual bool openScreen() = 0;
    // Destroys the window and the screen bitmap; nothing may be drawn after.
    virtual void closeScreen() = 0;
    virtual ALLEGRO_BITMAP* screen() = 0;

    virtual double now() = 0;                // seconds since start-up
    virtual long long calendarSeconds() = 0; // wall-clock time, seeds the dice
    virtual void rest(double seconds) = 0;

    virtual void readKeyboard(KeyboardState& state) = 0;
    virtual void readMouse(MouseState& state) = 0;
    // True once the window's close box was clicked or the desktop asked the
    // game to end (SIGTERM, SIGHUP, SIGINT); stays true. Screens that read no
    // keys ask this between their steps.
    virtual bool leaveRequested() = 0;

    // Shows the screen bitmap.
    virtual void flip() = 0;
    // A WAV sound, or null when the file is missing or unreadable.
    virtual Sound* loadSound(const char* path) = 0;
    // Starts a sound once; does nothing without audio, without a free voice
    // or without a sound.
    virtual void playSample(Sound* sound, float gain, float pan, float speed) = 0;

    // Tells the player about a fault in a message box, where a window
    // exists (after it has been written to standard error).
    virtual void showMessage(const std::string& heading, const std::string& message) = 0;
};

// The platform the game runs on. Must be set before initGame.
void usePlatform(Platform& chosen);
Platform& platform();

// Short names for the calls the game makes most.
inline double currentTime() { return platform().now(); }
inline void restFor(double seconds) { platform().rest(seconds); }
inline void flipDisplay() { platform().flip(); }
// Makes the screen bitmap the drawing target.
inline void targetScreen() { al_set_target_bitmap(platform().screen()); }
// Every sound is a mono effect played once from the middle: panned fully to
// one side it would be lost to a player on one speaker or one earphone.
constexpr float soundPan = 0.0f;
inline void playSampleOnce(Sound* sound, float gain, float speed)
{
    platform().playSample(sound, gain, soundPan, speed);
}

// Frees a sound of either platform and forgets it.
void destroySound(Sound*& sound);

// A sound read without an audio device: the file is checked and timed, but
// holds no sample. Null when the file is missing or a WAV the game with an
// audio device would not play either.
Sound* loadSilentSound(const char* path);
