#include "shell/scripted_platform.h"

#include "shell/window_scaling.h"

#include <algorithm>
#include <iterator>

ScriptedPlatform::ScriptedPlatform()
{
    al_init();
    // Memory bitmaps everywhere: no window, and every pixel readable.
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
}

ScriptedPlatform::~ScriptedPlatform()
{
    closeScreen();
}

bool ScriptedPlatform::installAudio()
{
    if (!audioAvailable)
        return false;
    voiceBusyUntil.assign(3, 0.0);
    return true;
}

bool ScriptedPlatform::openScreen()
{
    if (!screenAvailable)
        return false;
    screenBitmap = al_create_bitmap(screenWidth, screenHeight);
    al_set_target_bitmap(screenBitmap);
    return screenBitmap != nullptr;
}

void ScriptedPlatform::closeScreen()
{
    if (screenBitmap) {
        if (al_get_target_bitmap() == screenBitmap)
            al_set_target_bitmap(nullptr);
        al_destroy_bitmap(screenBitmap);
    }
    screenBitmap = nullptr;
}

void ScriptedPlatform::rest(double seconds)
{
    ++rests;
    clock += seconds;
}

void ScriptedPlatform::readKeyboard(KeyboardState& state)
{
    runDueCues();
    state.escapeDown = escapeDown;
    state.closeClicked = closeClicked;
}

void ScriptedPlatform::readMouse(MouseState& state)
{
    runDueCues();
    state = windowMouseToScreen(fitScreenInWindow(windowWidth, windowHeight), mouse);
}

void ScriptedPlatform::flip()
{
    ++flips;
    clock += flipSeconds;
    if (afterFlip)
        afterFlip(flips);
}

Sound* ScriptedPlatform::loadSound(const char* path)
{
    return loadSilentSound(path);
}

void ScriptedPlatform::playSample(Sound* sound, float gain, float pan, float speed)
{
    if (voiceBusyUntil.empty() || !sound)
        return;
    // A start that finds every voice busy is dropped, as the mixer does.
    auto freeVoice = std::find_if(voiceBusyUntil.begin(), voiceBusyUntil.end(),
                                  [this](double until) { return until <= clock; });
    bool started = freeVoice != voiceBusyUntil.end();
    if (started)
        *freeVoice = clock + sound->seconds / speed;
    sounds.push_back({sound->path, gain, pan, speed, clock, started});
}

bool ScriptedPlatform::leaveRequested()
{
    runDueCues();
    return closeClicked;
}

void ScriptedPlatform::showMessage(const std::string& heading, const std::string& message)
{
    messages.push_back({heading, message});
}

void ScriptedPlatform::mouseAt(double time, int x, int y, int buttons)
{
    atTime(time, [this, x, y, buttons] { mouse = {x, y, buttons}; });
}

void ScriptedPlatform::mouseAtFlip(int flip, int x, int y, int buttons)
{
    atFlip(flip, [this, x, y, buttons] { mouse = {x, y, buttons}; });
}

void ScriptedPlatform::escapeAt(double time, bool down)
{
    atTime(time, [this, down] { escapeDown = down; });
}

void ScriptedPlatform::escapeAtFlip(int flip, bool down)
{
    atFlip(flip, [this, down] { escapeDown = down; });
}

void ScriptedPlatform::atTime(double time, std::function<void()> action)
{
    cues.push_back({false, time, 0, std::move(action)});
}

void ScriptedPlatform::atFlip(int flip, std::function<void()> action)
{
    cues.push_back({true, 0.0, flip, std::move(action)});
}

void ScriptedPlatform::runDueCues()
{
    // Cues run in the order they were written, so a later cue for the same
    // moment wins.
    auto isWaiting = [this](const Cue& cue) {
        return cue.byFlip ? flips < cue.flip : clock < cue.time;
    };
    auto firstDue = std::stable_partition(cues.begin(), cues.end(), isWaiting);
    std::vector<Cue> due(std::make_move_iterator(firstDue), std::make_move_iterator(cues.end()));
    cues.erase(firstDue, cues.end());
    for (Cue& cue : due)
        cue.action();
}

ALLEGRO_COLOR ScriptedPlatform::pixel(int x, int y)
{
    return al_get_pixel(screenBitmap, x, y);
}

bool ScriptedPlatform::saveScreen(const std::string& pngPath)
{
    return al_save_bitmap(pngPath.c_str(), screenBitmap);
}
