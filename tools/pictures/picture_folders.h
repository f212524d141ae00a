// Where zor-pictures changes pictures. From the repository (or any build
// folder) it works on media/ under the working folder, as the game does.
// Installed, the command lies in P/games with the shipped media in
// P/share/games/zor; the installed game then plays in the player's own
// folder, ${XDG_DATA_HOME:-$HOME/.local/share}/zor, whose media/ holds links
// to the shipped files, and that is where the photos go.
#pragma once

#include <filesystem>
#include <string>

struct PictureFolders {
    std::filesystem::path media;     // the folder whose pictures change
    std::filesystem::path shipped;   // installed: the game's own media; else empty
};

// The shipped media, relative to the installation prefix.
constexpr const char* shippedMediaPlace = "share/games/zor";

// The folders for a command at `executable`, given the values of XDG_DATA_HOME
// and HOME (null when unset). False, with the reason in `why`, when installed
// but no home folder is known.
bool findPictureFolders(const std::filesystem::path& executable, const char* xdgDataHome,
                        const char* home, PictureFolders& folders, std::string& why);
