// The picture and sheet loading path on any bytes, as a JPEG and as a PNG:
// an image is refused with a reason, or decoded within its bounds into as
// many premultiplied pixels as it has, and becomes a bitmap of its size
// holding them.
#include "files/image_files.h"
#include "fuzz_check.h"

#include <allegro5/allegro.h>

#include <cstdint>

namespace {

// Small, so that an input of a few KB can reach every branch, but with room
// for images that are far too small or too large.
constexpr ImageBounds bounds = {2, 2, 300, 300};

bool startAllegro()
{
    al_init();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    return true;
}

void checkDecoding(const std::string& bytes, ImageKind kind)
{
    DecodedImage image;
    image.width = 99;
    std::string why;
    if (!decodeImage(bytes, kind, bounds, image, why)) {
        require(!why.empty(), "a refusal without a reason");
        require(image.width == 0 && image.height == 0 && image.pixels.empty(),
                "a refused image left pixels behind");
        return;
    }
    require(why.empty(), "an accepted image with a reason: " + why);
    require(image.width >= bounds.minWidth && image.width <= bounds.maxWidth &&
                image.height >= bounds.minHeight && image.height <= bounds.maxHeight,
            "an image outside its bounds: " + std::to_string(image.width) + " x " +
                std::to_string(image.height));
    require(image.pixels.size() == size_t(image.width) * size_t(image.height) * 4,
            "pixels that do not fill the image");
    for (size_t at = 0; at < image.pixels.size(); at += 4) {
        unsigned char alpha = image.pixels[at + 3];
        require(kind == ImageKind::png || alpha == 255, "a JPEG pixel that is not opaque");
        require(image.pixels[at] <= alpha && image.pixels[at + 1] <= alpha && image.pixels[at + 2] <= alpha,
                "a colour brighter than its alpha allows");
    }
    ALLEGRO_BITMAP* bitmap = createBitmapFrom(image);
    require(bitmap != nullptr, "no bitmap for a decoded image");
    require(al_get_bitmap_width(bitmap) == image.width && al_get_bitmap_height(bitmap) == image.height,
            "a bitmap of another size");
    // The last pixel, which a row laid out wrongly would miss.
    unsigned char r, g, b, a;
    al_unmap_rgba(al_get_pixel(bitmap, image.width - 1, image.height - 1), &r, &g, &b, &a);
    const unsigned char* last = &image.pixels[image.pixels.size() - 4];
    require(r == last[0] && g == last[1] && b == last[2] && a == last[3], "a bitmap holding other pixels");
    al_destroy_bitmap(bitmap);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool started = startAllegro();
    (void)started;
    std::string bytes(reinterpret_cast<const char*>(data), size);
    checkDecoding(bytes, ImageKind::jpeg);
    checkDecoding(bytes, ImageKind::png);
    return 0;
}
