#include "files/picture_files.h"

#include "files/image_files.h"

namespace {

constexpr const char* setPrefixes[] = {"media/b", "media/p", "media/w"};

constexpr ImageBounds pictureBounds = exactSize(pictureWidth, pictureHeight);

}  // namespace

std::string pictureFileName(int forLevel, int number)
{
    if (forLevel < 0 || forLevel > 2)
        forLevel = 0;
    return setPrefixes[forLevel] + std::to_string(number) + ".jpg";
}

std::string checkPictureFile(const std::string& path)
{
    return checkImageFile(path, pictureBounds);
}

ALLEGRO_BITMAP* loadPictureFile(const std::string& path, std::string& why)
{
    return loadImageFile(path, pictureBounds, why);
}
