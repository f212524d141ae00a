// The real platform: a window, the mouse, the keyboard and the sound card,
// all through Allegro.
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
    ALLEGRO_DISPLAY* display = nullptr;
    ALLEGRO_BITMAP* screenBitmap = nullptr;
    ALLEGRO_EVENT_QUEUE* windowEvents = nullptr;   // only for the close box
    bool closeClicked = false;
    bool inputReady = false;
    bool audioReady = false;
};
