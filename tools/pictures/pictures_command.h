// The command line of zor-pictures:
//   zor-pictures SET PHOTO...     photo k becomes picture k of the set
//   zor-pictures SET --restore    the set's own pictures back
//   zor-pictures --list           which pictures of each set are the player's
#pragma once

#include "picture_folders.h"

#include <ostream>
#include <string>
#include <vector>

// Exit statuses.
constexpr int commandDone = 0;
constexpr int commandRefused = 1;   // a photo or the folder would not do: nothing changed
constexpr int commandMisused = 2;   // the arguments make no sense

// Runs the command on `folders` with the arguments after the command's name;
// reports on `out`, refusals and faults on `err`. Returns the exit status.
int runPicturesCommand(const std::vector<std::string>& args, const PictureFolders& folders,
                       std::ostream& out, std::ostream& err);
