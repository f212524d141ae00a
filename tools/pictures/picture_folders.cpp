#include "picture_folders.h"

namespace fs = std::filesystem;

namespace {

bool isSet(const char* value)
{
    return value && *value;
}

}  // namespace

bool findPictureFolders(const fs::path& executable, const char* xdgDataHome, const char* home,
                        PictureFolders& folders, std::string& why)
{
    folders = PictureFolders();
    fs::path commands = executable.parent_path();
    fs::path shipped = commands.parent_path() / shippedMediaPlace;
    std::error_code ec;
    if (commands.filename() != "games" || !fs::is_directory(shipped, ec)) {
        folders.media = "media";
        return true;
    }
    // The same folder the installed game's command prepares and plays in.
    fs::path data;
    if (isSet(xdgDataHome))
        data = xdgDataHome;
    else if (isSet(home))
        data = fs::path(home) / ".local/share";
    else {
        why = "nie wiadomo, gdzie jest folder domowy gracza (zmienne HOME i XDG_DATA_HOME są puste)";
        return false;
    }
    folders.media = data / "zor" / "media";
    folders.shipped = shipped;
    return true;
}
