// The player's own pictures in a set: photos put in, all or nothing; the
// set's own pictures brought back; and which pictures are the player's.
//
// Before a photo first takes a picture's place, the picture is kept under its
// own name in media/.oryginaly/: a file as a hard link (or a copy where the
// file system has none), a link to the shipped media as a link to the same
// place. A picture with a kept original is the player's. The generator and
// the installed game's command only ever look at media/ itself, so the kept
// originals are safe there.
#pragma once

#include "picture_folders.h"

#include <filesystem>
#include <string>
#include <vector>

constexpr const char* originalsFolderName = ".oryginaly";

// The level (0..2) whose set has this letter, "b", "p" or "w"; -1 for any other.
int findSetLevel(const std::string& letter);

// The set letter of a level 0..2.
char setLetterOf(int level);

// media/<letter><number>.jpg in the folders' media folder.
std::filesystem::path picturePath(const PictureFolders& folders, int level, int number);

struct PhotoRefusal {
    std::string photo;
    std::string why;
};

struct PlacedPhoto {
    std::string photo;
    int number;                       // the picture it became, 1..12
    std::filesystem::path picture;
};

struct SetChange {
    std::vector<PlacedPhoto> placed;     // photo k became picture k; empty on failure
    std::vector<PhotoRefusal> refused;   // every photo that cannot serve
    std::string fault;                   // why the folder could not be changed
    bool done() const { return refused.empty() && fault.empty(); }
};

// Photo k (1 to 12 photos) becomes picture k of the level's set. Every photo
// is converted first, into hidden files beside the pictures; only when all
// of them are good, and the originals are kept, are they renamed into place.
// Otherwise nothing of the set changes.
SetChange putPhotosInSet(const PictureFolders& folders, int level,
                         const std::vector<std::string>& photos);

// Puts every kept original of the set back in place. The numbers brought
// back, in order; stops at the first that cannot be, with the reason in `fault`.
std::vector<int> restoreSet(const PictureFolders& folders, int level, std::string& fault);

// The numbers of the set's pictures that are the player's.
std::vector<int> listOwnPictures(const PictureFolders& folders, int level);
