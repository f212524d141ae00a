#include "files/picture_files.h"

#include "files/safe_files.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

constexpr const char* setPrefixes[] = {"media/b", "media/p", "media/w"};

// Anything bigger than this is no picture of ours.
constexpr size_t largestPictureFile = 32 * 1024 * 1024;

// libjpeg reports a fault by calling error_exit, which must not return.
struct JpegErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

void leaveOnJpegError(j_common_ptr info)
{
    JpegErrorTrap* trap = reinterpret_cast<JpegErrorTrap*>(info->err);
    info->err->format_message(info, trap->message);
    std::longjmp(trap->escape, 1);
}

// The picture's size from its JPEG header; false when the bytes hold none.
bool readJpegSize(const std::string& bytes, int& width, int& height, std::string& why)
{
    jpeg_decompress_struct info;
    JpegErrorTrap trap;
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = leaveOnJpegError;
    trap.manager.output_message = [](j_common_ptr) {};
    if (setjmp(trap.escape)) {
        why = std::string("to nie jest poprawny plik JPEG (") + trap.message + ")";
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    width = static_cast<int>(info.image_width);
    height = static_cast<int>(info.image_height);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

std::string pictureFileName(int forLevel, int number)
{
    if (forLevel < 0 || forLevel > 2)
        forLevel = 0;
    return setPrefixes[forLevel] + std::to_string(number) + ".jpg";
}

std::string checkPictureFile(const std::string& path)
{
    std::string bytes, why;
    if (!readRegularFile(path, bytes, largestPictureFile, why))
        return why;
    int width = 0, height = 0;
    if (!readJpegSize(bytes, width, height, why))
        return why;
    if (width != pictureWidth || height != pictureHeight)
        return "ma " + std::to_string(width) + " × " + std::to_string(height) +
               " pikseli zamiast 600 × 450";
    return "";
}

ALLEGRO_BITMAP* loadPictureFile(const std::string& path, std::string& why)
{
    why = checkPictureFile(path);
    if (!why.empty())
        return nullptr;
    ALLEGRO_BITMAP* picture = al_load_bitmap(path.c_str());
    if (!picture)
        why = "nie da się odczytać";
    return picture;
}
