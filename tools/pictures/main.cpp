// zor-pictures: a player's own photos in place of a set's pictures; see
// pictures_command.h for its command line and picture_folders.h for where it
// works.
#include "picture_folders.h"
#include "pictures_command.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        self = argv[0];
    PictureFolders folders;
    std::string why;
    if (!findPictureFolders(self, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), folders, why)) {
        std::cerr << "zor-pictures: " << why << "\n";
        return commandRefused;
    }
    return runPicturesCommand(std::vector<std::string>(argv + 1, argv + argc), folders, std::cout,
                              std::cerr);
}
