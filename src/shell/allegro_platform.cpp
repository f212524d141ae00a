#include "shell/allegro_platform.h"

#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_native_dialog.h>

#include <csignal>
#include <ctime>

namespace {

// Set by the desktop ending the session (or by a Ctrl+C in a terminal): the
// game then leaves as through Escape, keeping a level in play.
volatile std::sig_atomic_t terminationAsked = 0;

void noteTermination(int)
{
    terminationAsked = 1;
}

}  // namespace

AllegroPlatform::AllegroPlatform()
{
    struct sigaction action = {};
    action.sa_handler = noteTermination;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}

bool AllegroPlatform::installInput()
{
    bool keyboard = al_install_keyboard();
    bool mouse = al_install_mouse();
    inputReady = keyboard && mouse;
    return inputReady;
}

bool AllegroPlatform::installAudio()
{
    // Without an audio device the game runs silently: reserving voices,
    // loading or playing a sample with no audio system would abort the process.
    audioReady = al_install_audio() && al_init_acodec_addon() && al_reserve_samples(3);
    return audioReady;
}

Sound* AllegroPlatform::loadSound(const char* path)
{
    if (!audioReady)
        return loadSilentSound(path);   // still read, so a missing file is reported
    ALLEGRO_SAMPLE* sample = al_load_sample(path);
    if (!sample)
        return nullptr;
    double seconds = al_get_sample_length(sample) / double(al_get_sample_frequency(sample));
    return new Sound{path, seconds, sample};
}

bool AllegroPlatform::openScreen()
{
    display = al_create_display(screenWidth, screenHeight);
    if (!display)
        return false;
    screenBitmap = al_create_bitmap(screenWidth, screenHeight);
    if (!screenBitmap) {
        al_destroy_display(display);
        display = nullptr;
        return false;
    }
    al_set_target_bitmap(screenBitmap);
    // The close box is only ever reported as an event; everything else is
    // polled.
    windowEvents = al_create_event_queue();
    if (windowEvents)
        al_register_event_source(windowEvents, al_get_display_event_source(display));
    return true;
}

void AllegroPlatform::closeScreen()
{
    if (windowEvents)
        al_destroy_event_queue(windowEvents);
    windowEvents = nullptr;
    if (screenBitmap)
        al_destroy_bitmap(screenBitmap);
    screenBitmap = nullptr;
    if (display)
        al_destroy_display(display);
    display = nullptr;
}

double AllegroPlatform::now()
{
    return al_get_time();
}

long long AllegroPlatform::calendarSeconds()
{
    return static_cast<long long>(std::time(nullptr));
}

void AllegroPlatform::rest(double seconds)
{
    al_rest(seconds);
}

bool AllegroPlatform::leaveRequested()
{
    ALLEGRO_EVENT event;
    while (windowEvents && al_get_next_event(windowEvents, &event))
        if (event.type == ALLEGRO_EVENT_DISPLAY_CLOSE)
            closeClicked = true;
    return closeClicked || terminationAsked;
}

void AllegroPlatform::readKeyboard(KeyboardState& state)
{
    state.closeClicked = leaveRequested();
    if (!inputReady)
        return;
    ALLEGRO_KEYBOARD_STATE keys;
    al_get_keyboard_state(&keys);
    state.escapeDown = al_key_down(&keys, ALLEGRO_KEY_ESCAPE);
}

void AllegroPlatform::readMouse(MouseState& state)
{
    if (!inputReady)
        return;
    ALLEGRO_MOUSE_STATE mouse;
    al_get_mouse_state(&mouse);
    state.x = mouse.x;
    state.y = mouse.y;
    state.buttons = mouse.buttons;
}

void AllegroPlatform::flip()
{
    if (!display || !screenBitmap)
        return;
    ALLEGRO_STATE saved;
    al_store_state(&saved, ALLEGRO_STATE_TARGET_BITMAP | ALLEGRO_STATE_BLENDER);
    al_set_target_backbuffer(display);
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);   // a plain copy
    al_draw_bitmap(screenBitmap, 0, 0, 0);
    al_flip_display();
    al_restore_state(&saved);
}

void AllegroPlatform::playSample(Sound* sound, float gain, float pan, float speed)
{
    if (!audioReady || !sound || !sound->sample)
        return;
    al_play_sample(sound->sample, gain, pan, speed, ALLEGRO_PLAYMODE_ONCE, nullptr);
}

void AllegroPlatform::showMessage(const std::string& heading, const std::string& message)
{
    // A message box needs a desktop; without a window standard error has to
    // do. Nor is one shown to a game the desktop is ending: it would hold up
    // the end of the session.
    if (!display || terminationAsked || !al_init_native_dialog_addon())
        return;
    al_show_native_message_box(display, "ZOR", heading.c_str(), message.c_str(), nullptr,
                               ALLEGRO_MESSAGEBOX_ERROR);
}
