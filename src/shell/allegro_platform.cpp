#include "shell/allegro_platform.h"

#include "files/sound_files.h"
#include "shell/desktop_work_area.h"
#include "shell/window_scaling.h"

#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_native_dialog.h>

#include <algorithm>
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
    // The sample is made here from the checked bytes rather than by the
    // library's loader: that one would block on a FIFO, and allocates as much
    // as the file claims to hold.
    std::string bytes, why;
    WavFormat format;
    if (!readSoundFile(path, bytes, format, why))
        return nullptr;
    ALLEGRO_SAMPLE* sample = createSampleFrom(bytes, format);
    if (!sample)
        return nullptr;
    return new Sound{path, format.seconds(), sample};
}

namespace {

// Room the window manager's frame and title bar take around the window.
constexpr int windowFrameWidth = 16;
constexpr int windowFrameHeight = 64;

// The largest whole multiple of the screen that fits, frame and title bar
// included, on the monitor the window opens on, within the work area where
// the window manager tells it.
int openingScale()
{
    ALLEGRO_MONITOR_INFO monitor;
    if (!al_get_monitor_info(std::max(0, al_get_new_display_adapter()), &monitor))
        return 1;
    int x1 = monitor.x1, y1 = monitor.y1, x2 = monitor.x2, y2 = monitor.y2;
    int area[4];
    if (desktopWorkArea(area)) {
        x1 = std::max(x1, area[0]);
        y1 = std::max(y1, area[1]);
        x2 = std::min(x2, area[0] + area[2]);
        y2 = std::min(y2, area[1] + area[3]);
    }
    return largestWholeScale(x2 - x1 - windowFrameWidth, y2 - y1 - windowFrameHeight);
}

}  // namespace

bool AllegroPlatform::openScreen()
{
    // A window the player can resize and maximise, opened as large as fits
    // in whole multiples, so each screen pixel is a square of window pixels.
    int scale = openingScale();
    int oldFlags = al_get_new_display_flags();
    al_set_new_display_flags(ALLEGRO_WINDOWED | ALLEGRO_RESIZABLE | ALLEGRO_GENERATE_EXPOSE_EVENTS);
    display = al_create_display(screenWidth * scale, screenHeight * scale);
    if (!display && scale > 1)
        display = al_create_display(screenWidth, screenHeight);
    al_set_new_display_flags(oldFlags);
    if (!display)
        return false;
    screenBitmap = al_create_bitmap(screenWidth, screenHeight);
    screenSmooth = false;   // made as the new bitmap flags say: not filtered
    if (!screenBitmap) {
        al_destroy_display(display);
        display = nullptr;
        return false;
    }
    al_set_target_bitmap(screenBitmap);
    // The close box and a new window size are only ever reported as events;
    // everything else is polled.
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

bool AllegroPlatform::takeWindowEvents()
{
    bool repaint = false;
    ALLEGRO_EVENT event;
    while (windowEvents && al_get_next_event(windowEvents, &event)) {
        if (event.type == ALLEGRO_EVENT_DISPLAY_CLOSE) {
            closeClicked = true;
        } else if (event.type == ALLEGRO_EVENT_DISPLAY_RESIZE && display) {
            ALLEGRO_STATE saved;
            al_store_state(&saved, ALLEGRO_STATE_TARGET_BITMAP);
            al_acknowledge_resize(display);
            al_restore_state(&saved);
            repaint = true;
        } else if (event.type == ALLEGRO_EVENT_DISPLAY_EXPOSE) {
            repaint = true;
        }
    }
    return repaint;
}

bool AllegroPlatform::leaveRequested()
{
    // Screens that wait for a click show no new frames: a window resized or
    // uncovered meanwhile gets the picture again here.
    if (takeWindowEvents())
        present();
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
    MouseState inWindow{mouse.x, mouse.y, mouse.buttons};
    if (!display) {
        state = inWindow;
        return;
    }
    // Mapped through the fit of the picture the window shows.
    if (takeWindowEvents())
        present();
    state = windowMouseToScreen(
        fitScreenInWindow(al_get_display_width(display), al_get_display_height(display)), inWindow);
}

void AllegroPlatform::filterScreenSmoothly(bool smooth)
{
    if (smooth == screenSmooth)
        return;
    // Converted in place: the same bitmap, its contents kept, sampled anew.
    ALLEGRO_STATE saved;
    al_store_state(&saved, ALLEGRO_STATE_NEW_BITMAP_PARAMETERS);
    int kept = al_get_bitmap_flags(screenBitmap)
               & (ALLEGRO_MEMORY_BITMAP | ALLEGRO_VIDEO_BITMAP | ALLEGRO_NO_PRESERVE_TEXTURE);
    al_set_new_bitmap_flags(smooth ? kept | ALLEGRO_MIN_LINEAR | ALLEGRO_MAG_LINEAR : kept);
    al_set_new_bitmap_format(al_get_bitmap_format(screenBitmap));
    al_convert_bitmap(screenBitmap);
    al_restore_state(&saved);
    screenSmooth = smooth;
}

void AllegroPlatform::flip()
{
    takeWindowEvents();
    present();
}

void AllegroPlatform::present()
{
    if (!display || !screenBitmap)
        return;
    WindowFit fit = fitScreenInWindow(al_get_display_width(display), al_get_display_height(display));
    ALLEGRO_STATE saved;
    al_store_state(&saved, ALLEGRO_STATE_TARGET_BITMAP | ALLEGRO_STATE_BLENDER);
    al_set_target_backbuffer(display);
    filterScreenSmoothly(!fit.unscaled());
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);   // a plain copy
    if (!fit.fillsWindow())
        al_clear_to_color(al_map_rgb(0, 0, 0));                // the bars
    if (fit.unscaled())
        al_draw_bitmap(screenBitmap, fit.left, fit.top, 0);   // pixel for pixel
    else
        al_draw_scaled_bitmap(screenBitmap, 0, 0, screenWidth, screenHeight, fit.left, fit.top,
                              fit.width, fit.height, 0);
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
