// Reading and writing the game's own files so that a fault of the machine
// never costs the player a save: nothing is read that is not a plain file,
// and nothing is replaced until its successor is safely on disk.
#pragma once

#include <functional>
#include <string>

// Reads a whole regular file of at most `maxBytes` bytes. A FIFO, a folder
// or a device is refused without blocking. False with the reason in `why`.
bool readRegularFile(const std::string& path, std::string& bytes, size_t maxBytes,
                     std::string& why);

// True when `path` is a regular file that can be opened for reading.
bool regularFileReadable(const std::string& path);

// Replaces `path` whole, or leaves it as it was: `write` fills a new file
// beside it (given its descriptor), which is flushed to disk and renamed over
// the old one. False with the reason in `why`.
bool replaceFile(const std::string& path, const std::function<bool(int fd)>& write,
                 std::string& why);

// The same, for a file whose bytes are at hand.
bool replaceFileWith(const std::string& path, const std::string& bytes, std::string& why);

// Puts a folder's entries on disk: a rename lasts only once the folder that
// holds it is synced too.
void syncFolder(const std::string& folder);

// Writes all of `bytes` to `fd`, through short writes and interruptions.
bool writeAll(int fd, const std::string& bytes);
