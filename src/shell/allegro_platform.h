// The real platform: a window, the mouse, the keyboard and the sound card,
// all through Allegro. The window can be resized and maximised: each flip
// fits the 1024 x 710 screen into it (shell/window_scaling.h), and the mouse
// is mapped back into screen pixels.
#pragma once

#include "shell/platform.h"

class AllegroPlatform : public Platform {
public:
    // Notes the signals with which a desktop ends a program.
    AllegroPlatform();

    bool installInput() override;
    bool installAudio() override;
    bool openScreen() override;
    void closeScreen() override;
    ALLEGRO_BITMAP* screen() override { return screenBitmap; }

    double now() override;
    long long calendarSeconds() override;
    void rest(double seconds) override;

    void readKeyboard(KeyboardState& state) override;
    void readMouse(MouseState& state) override;
    bool leaveRequested() override;

    void flip() override;
    Sound* loadSound(const char* path) override;
    void playSample(Sound* sound, float gain, float pan, float speed) override;

    void showMessage(const std::string& heading, const std::string& message) override;

private:
    // Takes the window's events: the close box, a new size (acknowledged, so
    // that the picture fills the window as it now is) and a window uncovered.
    // True when the window needs its picture again.
    bool takeWindowEvents();
    // Shows the screen bitmap, fitted into the window as it now is.
    void present();
    // The screen bitmap filters linearly while it is shown scaled, and not
    // at all while it is shown pixel for pixel.
    void filterScreenSmoothly(bool smooth);

    ALLEGRO_DISPLAY* display = nullptr;
    ALLEGRO_BITMAP* screenBitmap = nullptr;
    ALLEGRO_EVENT_QUEUE* windowEvents = nullptr;   // the close box and resizes
    bool screenSmooth = false;
    bool closeClicked = false;
    bool inputReady = false;
    bool audioReady = false;
};
