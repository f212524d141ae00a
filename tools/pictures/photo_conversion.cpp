#include "photo_conversion.h"

#include "files/image_files.h"
#include "files/picture_files.h"
#include "files/safe_files.h"

#include <Magick++.h>

#include <algorithm>
#include <mutex>

namespace {

// Photos come as these; other coders (vector drawings, documents, scripts of
// drawing commands) are never run on a file, whatever its name says.
constexpr const char* takenFormats[] = {"JPEG", "PNG", "GIF", "WEBP", "TIFF", "BMP"};
constexpr const char* takenFormatsText = "JPEG, PNG, GIF, WEBP, TIFF albo BMP";

// A JPEG at least this large both ways is decoded already scaled down by
// libjpeg, never below this size: a 50-megapixel photo then takes a fraction
// of the memory and time, and Lanczos does the rest. A smaller one is read
// as it is: given the hint, the reader would enlarge it.
constexpr size_t jpegDecodeSide = 1200;

constexpr size_t pictureQuality = 92;

// The library's message without the program name before it and the source
// position after it.
std::string plainMessage(const Magick::Exception& fault)
{
    std::string message = fault.what();
    size_t colon = message.find(": ");
    if (colon != std::string::npos)
        message.erase(0, colon + 2);
    for (const char* tail : {" `", " @ "}) {
        size_t at = message.find(tail);
        if (at != std::string::npos)
            message.erase(at);
    }
    return message;
}

bool isTakenFormat(const std::string& format)
{
    return std::any_of(std::begin(takenFormats), std::end(takenFormats),
                       [&format](const char* taken) { return format == taken; });
}

// Reads the photo's first frame, the format having been checked first.
bool decodePhoto(const Magick::Blob& blob, Magick::Image& photo, std::string& why)
{
    Magick::Image probe;
    try {
        probe.ping(blob);
    } catch (const Magick::Exception&) {
        why = "to nie jest obraz w znanym formacie";
        return false;
    }
    std::string format = probe.magick();
    if (!isTakenFormat(format)) {
        why = "to obraz w formacie " + format + ", a przyjmowane są zdjęcia " + takenFormatsText;
        return false;
    }
    try {
        photo.quiet(false);
        photo.subRange(1);
        if (format == "JPEG" && probe.columns() >= jpegDecodeSide && probe.rows() >= jpegDecodeSide) {
            std::string side = std::to_string(jpegDecodeSide);
            photo.defineValue("jpeg", "size", side + "x" + side);
        }
        photo.magick(format);
        photo.read(blob);
    } catch (const Magick::WarningCorruptImage& fault) {
        // The rest would be filled in grey: no picture for a puzzle.
        why = "plik jest uszkodzony (" + plainMessage(fault) + ")";
        return false;
    } catch (const Magick::Warning&) {
        // Odd but harmless: an unknown tag, stray bytes between markers.
    } catch (const Magick::Exception& fault) {
        why = "nie da się go odczytać (" + plainMessage(fault) + ")";
        return false;
    }
    if (photo.columns() == 0 || photo.rows() == 0) {
        why = "nie da się go odczytać (obraz jest pusty)";
        return false;
    }
    return true;
}

// The largest 4:3 rectangle of the photo, around its centre.
Magick::Geometry centreCrop(size_t width, size_t height)
{
    size_t cropWidth = width, cropHeight = height;
    if (width * pictureHeight > height * pictureWidth)
        cropWidth = (height * pictureWidth + pictureHeight / 2) / pictureHeight;
    else
        cropHeight = (width * pictureHeight + pictureWidth / 2) / pictureWidth;
    return Magick::Geometry(cropWidth, cropHeight, static_cast<ssize_t>((width - cropWidth) / 2),
                            static_cast<ssize_t>((height - cropHeight) / 2));
}

void makePicture(Magick::Image& photo)
{
    if (photo.matte()) {
        photo.backgroundColor(Magick::Color(photoBackdropColour));
        photo.alphaChannel(Magick::RemoveAlphaChannel);
    }
    photo.crop(centreCrop(photo.columns(), photo.rows()));
    photo.page(Magick::Geometry(0, 0, 0, 0));
    photo.filterType(Magick::LanczosFilter);
    Magick::Geometry pictureSize(pictureWidth, pictureHeight);
    pictureSize.aspect(true);   // exactly this size; the crop is 4:3 already
    photo.resize(pictureSize);
    // No tags of the camera's (place, time, orientation) go into the game.
    photo.strip();
    // Red, green and blue whatever the photo held (grey, a palette, CMYK):
    // the game reads no printer's colours.
    photo.type(Magick::TrueColorType);
    photo.depth(8);
    photo.interlaceType(Magick::NoInterlace);
    photo.quality(pictureQuality);
    photo.magick("JPEG");
}

}  // namespace

void startImageLibrary()
{
    static std::once_flag started;
    std::call_once(started, [] { Magick::InitializeMagick(nullptr); });
}

bool convertPhoto(const std::string& path, std::string& jpeg, std::string& why)
{
    startImageLibrary();
    jpeg.clear();
    std::string bytes;
    if (!readRegularFile(path, bytes, largestPhotoFile, why))
        return false;
    Magick::Blob blob(bytes.data(), bytes.size());
    bytes = std::string();
    Magick::Image photo;
    if (!decodePhoto(blob, photo, why))
        return false;
    try {
        photo.autoOrient();
        // A JPEG decoded scaled down is still at least jpegDecodeSide both
        // ways, far above this; so the size said is the photo's own.
        if (photo.columns() < size_t(smallestPhotoWidth) || photo.rows() < size_t(smallestPhotoHeight)) {
            why = "ma " + std::to_string(photo.columns()) + " × " + std::to_string(photo.rows()) +
                  " pikseli, a potrzeba co najmniej " + std::to_string(smallestPhotoWidth) + " × " +
                  std::to_string(smallestPhotoHeight);
            return false;
        }
        makePicture(photo);
        Magick::Blob written;
        photo.write(&written);
        jpeg.assign(static_cast<const char*>(written.data()), written.length());
    } catch (const Magick::Exception& fault) {
        why = "nie da się go przerobić (" + plainMessage(fault) + ")";
        return false;
    }
    // The game decodes its pictures with its own checked reader: what it
    // would refuse is not written.
    DecodedImage check;
    std::string refused;
    if (!decodeImage(jpeg, ImageKind::jpeg, exactSize(pictureWidth, pictureHeight), check, refused)) {
        why = "obrazek z niego nie nadaje się dla gry (" + refused + ")";
        jpeg.clear();
        return false;
    }
    return true;
}
