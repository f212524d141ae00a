// The background picture as the title screen and the start menu use it: they
// paint their own picture into `background`, fade it in over the screen, fade
// it out again and then load the bare picture back for whoever comes next.
#pragma once

// Lays `background` over the screen `steps` times, step i with weight i/255,
// resting `pause` after each; `overlay`, when given, draws over the screen
// just before each flip. False when it stopped early because the player
// asked to leave.
bool fadeInBackground(int steps, double pause, void (*overlay)(int step) = nullptr);

// 128 steps towards black, each keeping (k - 1)/255 of the screen and adding
// k/255 of `background`, resting `pause` after each. With `stopWhenLeaving`
// it stops after the step in which the player asked to leave, returning false.
bool fadeOutBackground(double pause, bool stopWhenLeaving);

// Replaces `background` with a fresh load of media/t2.jpg, freeing the
// painted one. Should the file have gone, a plain picture of the clear colour
// takes its place, so that `background` is never null.
void reloadBackground();
