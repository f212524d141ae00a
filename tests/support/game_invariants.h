// What must hold of any game the player can be in, written out on their own
// (not by calling the game's checks), for the save-file fuzzer and the monkey
// test. Each returns what is broken, or "" when everything holds.
#pragma once

#include "files/save_file.h"

#include <string>

// Every cube of `game`: its six faces carry pictures 1..6 once each, both
// backs show one face, turns are 0..3, and every cell off the net holds 0.
std::string brokenCubeInvariant(const SavedGame& game);

// All of the above, and what a save may hold besides: level 0..2, six
// different file numbers 1..12, solved flags 0 or 1 and not all six set,
// move counts never negative, and the unused entries 0 left at 0.
std::string brokenSaveInvariant(const SavedGame& game);
