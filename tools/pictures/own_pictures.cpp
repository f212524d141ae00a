#include "own_pictures.h"

#include "files/picture_files.h"
#include "files/safe_files.h"
#include "photo_conversion.h"
#include "shell/game_state.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// One picture being replaced, and what it takes to undo it.
struct Replacement {
    fs::path picture;
    fs::path fresh;      // the converted photo, hidden beside the picture
    fs::path kept;       // media/.oryginaly/<name>
    fs::path previous;   // the player's earlier photo, while it can still come back
    bool keptNow = false;
};

fs::path originalPath(const PictureFolders& folders, int level, int number)
{
    return folders.media / originalsFolderName / picturePath(folders, level, number).filename();
}

bool entryExists(const fs::path& path)
{
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
}

void removeEntry(const fs::path& path)
{
    std::error_code ec;
    fs::remove(path, ec);
}

bool writeHiddenFile(const fs::path& path, const std::string& bytes, std::string& why)
{
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        why = "nie da się utworzyć " + path.string() + ": " + std::strerror(errno);
        return false;
    }
    bool written = writeAll(fd, bytes) && fsync(fd) == 0;
    if (!written)
        why = "nie da się zapisać " + path.string() + ": " + std::strerror(errno);
    if (close(fd) != 0 && written) {
        why = "nie da się zapisać " + path.string() + ": " + std::strerror(errno);
        written = false;
    }
    if (!written)
        removeEntry(path);
    return written;
}

// A second entry for the same picture: a link stays a link to the same place,
// a file becomes a hard link, or a copy where the file system has none.
bool keepEntry(const fs::path& from, const fs::path& to, std::string& why)
{
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(from, ec))) {
        fs::copy_symlink(from, to, ec);
    } else {
        fs::create_hard_link(from, to, ec);
        if (ec) {
            ec.clear();
            fs::copy_file(from, to, ec);
            int fd = ec ? -1 : open(to.c_str(), O_RDONLY | O_CLOEXEC);
            if (fd >= 0) {
                fsync(fd);
                close(fd);
            }
        }
    }
    if (ec) {
        why = "nie da się zachować " + from.string() + " jako " + to.string() + ": " + ec.message();
        removeEntry(to);
        return false;
    }
    return true;
}

// Installed, a picture the player's folder has no entry for yet gets the link
// the game's command would make; from the repository, the generator makes the
// pictures, and a missing one means the game was never built. A player's
// picture deleted by hand needs nothing: its original is kept.
bool makeSureOfPicture(const PictureFolders& folders, const Replacement& r, std::string& why)
{
    const fs::path& picture = r.picture;
    std::error_code ec;
    fs::file_type type = fs::symlink_status(picture, ec).type();
    if (type == fs::file_type::regular || type == fs::file_type::symlink)
        return true;
    if (type != fs::file_type::not_found) {
        why = picture.string() + " nie jest plikiem obrazka";
        return false;
    }
    if (entryExists(r.kept))
        return true;
    if (folders.shipped.empty()) {
        why = "nie ma " + picture.string() +
              "; najpierw trzeba zbudować grę (cmake --build build), co robi obrazki";
        return false;
    }
    fs::path shipped = folders.shipped / picture.filename();
    if (!fs::exists(shipped, ec)) {
        why = "instalacja gry jest niepełna: brak " + shipped.string();
        return false;
    }
    fs::create_directories(picture.parent_path(), ec);
    fs::create_symlink(shipped, picture, ec);
    if (ec && !entryExists(picture)) {
        why = "nie da się utworzyć " + picture.string() + ": " + ec.message();
        return false;
    }
    return true;
}

// Puts everything back as it was: the first `replacedCount` pictures have
// been renamed into place already, the others not.
void undoReplacements(std::vector<Replacement>& replacements, size_t replacedCount,
                      const fs::path& originals)
{
    for (size_t k = 0; k < replacements.size(); ++k) {
        Replacement& r = replacements[k];
        std::error_code ec;
        if (k < replacedCount && !r.keptNow && r.previous.empty()) {
            removeEntry(r.picture);
        } else if (k < replacedCount) {
            fs::rename(r.keptNow ? r.kept : r.previous, r.picture, ec);
        } else if (r.keptNow) {
            removeEntry(r.kept);
        }
        removeEntry(r.fresh);
        removeEntry(r.previous);
    }
    std::error_code ec;
    fs::remove(originals, ec);   // only if this run made it and kept nothing else
}

bool keepPictures(std::vector<Replacement>& replacements, const fs::path& originals,
                  std::string& why)
{
    std::error_code ec;
    fs::create_directories(originals, ec);
    if (ec) {
        why = "nie da się utworzyć " + originals.string() + ": " + ec.message();
        return false;
    }
    for (Replacement& r : replacements) {
        if (!entryExists(r.kept)) {
            if (!keepEntry(r.picture, r.kept, why))
                return false;
            r.keptNow = true;
        } else if (!entryExists(r.picture)) {
            r.previous.clear();   // nothing to put back on failure
        } else if (!keepEntry(r.picture, r.previous, why)) {
            return false;
        }
    }
    syncFolder(originals);
    return true;
}

}  // namespace

int findSetLevel(const std::string& letter)
{
    for (int level = 0; level < levelCount; ++level)
        if (letter.size() == 1 && letter[0] == setLetterOf(level))
            return level;
    return -1;
}

char setLetterOf(int level)
{
    return fs::path(pictureFileName(level, 1)).filename().string()[0];
}

fs::path picturePath(const PictureFolders& folders, int level, int number)
{
    return folders.media / fs::path(pictureFileName(level, number)).filename();
}

SetChange putPhotosInSet(const PictureFolders& folders, int level,
                         const std::vector<std::string>& photos)
{
    SetChange change;
    if (photos.empty() || photos.size() > size_t(picturesPerSet)) {
        change.fault = "zestaw ma " + std::to_string(picturesPerSet) + " obrazków, a zdjęć podano " +
                       std::to_string(photos.size());
        return change;
    }
    std::vector<std::string> pictures(photos.size());
    for (size_t k = 0; k < photos.size(); ++k) {
        std::string why;
        if (!convertPhoto(photos[k], pictures[k], why))
            change.refused.push_back({photos[k], why});
    }
    if (!change.refused.empty())
        return change;

    std::vector<Replacement> replacements(photos.size());
    std::string hidden = ".zor-pictures-" + std::to_string(getpid()) + "-";
    for (size_t k = 0; k < photos.size(); ++k) {
        Replacement& r = replacements[k];
        int number = int(k) + 1;
        r.picture = picturePath(folders, level, number);
        r.kept = originalPath(folders, level, number);
        r.fresh = folders.media / (hidden + r.picture.filename().string());
        r.previous = folders.media / (hidden + r.picture.filename().string() + ".poprzedni");
        if (!makeSureOfPicture(folders, r, change.fault))
            return change;
    }
    fs::path originals = folders.media / originalsFolderName;
    for (size_t k = 0; k < replacements.size(); ++k) {
        if (!writeHiddenFile(replacements[k].fresh, pictures[k], change.fault)) {
            undoReplacements(replacements, 0, originals);
            return change;
        }
    }
    if (!keepPictures(replacements, originals, change.fault)) {
        undoReplacements(replacements, 0, originals);
        return change;
    }
    for (size_t k = 0; k < replacements.size(); ++k) {
        std::error_code ec;
        fs::rename(replacements[k].fresh, replacements[k].picture, ec);
        if (ec) {
            change.fault = "nie da się zastąpić " + replacements[k].picture.string() + ": " + ec.message();
            undoReplacements(replacements, k, originals);
            syncFolder(folders.media);
            return change;
        }
    }
    for (size_t k = 0; k < replacements.size(); ++k) {
        removeEntry(replacements[k].previous);
        change.placed.push_back({photos[k], int(k) + 1, replacements[k].picture});
    }
    syncFolder(folders.media);
    return change;
}

std::vector<int> restoreSet(const PictureFolders& folders, int level, std::string& fault)
{
    std::vector<int> restored;
    for (int number = 1; number <= picturesPerSet; ++number) {
        fs::path kept = originalPath(folders, level, number);
        if (!entryExists(kept))
            continue;
        std::error_code ec;
        fs::rename(kept, picturePath(folders, level, number), ec);
        if (ec) {
            fault = "nie da się przywrócić " + picturePath(folders, level, number).string() + ": " +
                    ec.message();
            break;
        }
        restored.push_back(number);
    }
    std::error_code ec;
    fs::remove(folders.media / originalsFolderName, ec);   // only once it is empty
    syncFolder(folders.media);
    return restored;
}

std::vector<int> listOwnPictures(const PictureFolders& folders, int level)
{
    std::vector<int> own;
    for (int number = 1; number <= picturesPerSet; ++number)
        if (entryExists(originalPath(folders, level, number)))
            own.push_back(number);
    return own;
}
