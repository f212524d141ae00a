#include "files/image_files.h"

#include "files/safe_files.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jerror.h>
#include <jpeglib.h>
#include <png.h>

namespace {

// No image of ours comes near this; it keeps a bogus file from being read
// into memory whole.
constexpr size_t largestImageFile = 32 * 1024 * 1024;

// A progressive JPEG may hold any number of scans, each a pass over the whole
// image; ours have a handful.
constexpr int mostJpegScans = 100;

const char* cutShort = "plik jest ucięty";

std::string sizeText(int width, int height)
{
    return std::to_string(width) + " × " + std::to_string(height);
}

// Why an image of this size cannot serve, or "".
std::string checkSize(unsigned long width, unsigned long height, const ImageBounds& bounds)
{
    bool exact = bounds.minWidth == bounds.maxWidth && bounds.minHeight == bounds.maxHeight;
    // Said with the numbers the file holds, however absurd.
    std::string has = "ma " + std::to_string(width) + " × " + std::to_string(height) + " pikseli";
    if (exact && (width != unsigned(bounds.minWidth) || height != unsigned(bounds.minHeight)))
        return has + " zamiast " + sizeText(bounds.minWidth, bounds.minHeight);
    if (width < unsigned(bounds.minWidth) || height < unsigned(bounds.minHeight))
        return has + ", a potrzeba co najmniej " + sizeText(bounds.minWidth, bounds.minHeight);
    if (width > unsigned(bounds.maxWidth) || height > unsigned(bounds.maxHeight))
        return has + ", a może mieć najwyżej " + sizeText(bounds.maxWidth, bounds.maxHeight);
    return "";
}

// ---- JPEG -------------------------------------------------------------------

// libjpeg reports a fault by calling error_exit, which must not return; so
// do a cut-short file and a file of endless scans, here.
struct JpegTrap {
    jpeg_error_mgr manager;   // first, so that libjpeg's pointer is the trap's
    jpeg_progress_mgr progress;
    std::jmp_buf escape;
    std::string why;
};

JpegTrap& trapOf(j_common_ptr info)
{
    return *reinterpret_cast<JpegTrap*>(info->err);
}

// Nothing with a destructor may be alive in these frames when they jump: the
// reason is stored by whole statements first.
[[noreturn]] void leaveJpeg(j_common_ptr info, const char* why)
{
    trapOf(info).why = why;
    std::longjmp(trapOf(info).escape, 1);
}

void leaveOnJpegError(j_common_ptr info)
{
    char message[JMSG_LENGTH_MAX];
    info->err->format_message(info, message);
    char why[JMSG_LENGTH_MAX + 64];
    std::snprintf(why, sizeof why, "to nie jest poprawny plik JPEG (%s)", message);
    leaveJpeg(info, why);
}

// Other warnings (stray bytes, odd markers) leave a whole picture behind;
// the end of the file coming early does not.
void leaveWhenCutShort(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        leaveJpeg(info, cutShort);
}

void limitJpegScans(j_common_ptr info)
{
    if (info->is_decompressor &&
        reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > mostJpegScans)
        leaveJpeg(info, "to nie jest poprawny plik JPEG (za wiele skanów)");
}

// Everything that outlives a longjmp lives in the caller: here are only the
// library's structures and plain values.
bool decodeJpegInto(const std::string& bytes, const ImageBounds& bounds, JpegTrap& trap,
                    DecodedImage& image)
{
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = leaveOnJpegError;
    trap.manager.emit_message = leaveWhenCutShort;
    trap.manager.output_message = [](j_common_ptr) {};
    if (setjmp(trap.escape)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    trap.progress.progress_monitor = limitJpegScans;
    info.progress = &trap.progress;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    trap.why = checkSize(info.image_width, info.image_height, bounds);
    if (!trap.why.empty()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (info.jpeg_color_space != JCS_GRAYSCALE && info.jpeg_color_space != JCS_YCbCr &&
        info.jpeg_color_space != JCS_RGB) {
        trap.why = "to JPEG w kolorach do druku (CMYK), a gra czyta tylko RGB i skalę szarości";
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_EXT_RGBA;
    jpeg_start_decompress(&info);
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    size_t rowBytes = size_t(image.width) * 4;
    image.pixels.resize(rowBytes * size_t(image.height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &image.pixels[rowBytes * info.output_scanline];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

// ---- PNG --------------------------------------------------------------------

struct PngTrap {
    const std::string* bytes;
    size_t at;
    bool endReached;
    std::string why;
};

void readPngBytes(png_structp png, png_bytep into, png_size_t count)
{
    PngTrap& trap = *static_cast<PngTrap*>(png_get_io_ptr(png));
    if (count > trap.bytes->size() - trap.at) {
        trap.endReached = true;
        png_error(png, "cut short");
    }
    std::memcpy(into, trap.bytes->data() + trap.at, count);
    trap.at += count;
}

void leaveOnPngError(png_structp png, png_const_charp message)
{
    PngTrap& trap = *static_cast<PngTrap*>(png_get_error_ptr(png));
    if (trap.endReached) {
        trap.why = cutShort;
    } else {
        trap.why = "to nie jest poprawny plik PNG (";
        trap.why += message;
        trap.why += ")";
    }
    png_longjmp(png, 1);
}

bool decodePngInto(PngTrap& trap, const ImageBounds& bounds, DecodedImage& image,
                   std::vector<png_bytep>& rows)
{
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, &trap, leaveOnPngError, [](png_structp, png_const_charp) {});
    if (!png) {
        trap.why = "brak pamięci na odczyt PNG";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        if (trap.why.empty())
            trap.why = "brak pamięci na odczyt PNG";
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        return false;
    }
    png_set_read_fn(png, &trap, readPngBytes);
    // Text and other side chunks are of no use to the game: kept small.
    png_set_chunk_malloc_max(png, 1024 * 1024);
    png_read_info(png, info);
    png_uint_32 width = png_get_image_width(png, info);
    png_uint_32 height = png_get_image_height(png, info);
    trap.why = checkSize(width, height, bounds);
    if (!trap.why.empty()) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    // Whatever the file's colour type and depth: 8-bit red, green, blue, alpha.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    size_t rowBytes = size_t(width) * 4;
    if (png_get_rowbytes(png, info) != rowBytes)
        png_error(png, "unexpected row size");
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.pixels.resize(rowBytes * height);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = &image.pixels[rowBytes * y];
    png_read_image(png, rows.data());
    // Up to the end chunk: a file cut short after its pixels is still damaged.
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

void premultiplyAlpha(DecodedImage& image)
{
    for (size_t at = 0; at < image.pixels.size(); at += 4) {
        unsigned alpha = image.pixels[at + 3];
        for (size_t c = 0; c < 3; ++c)
            image.pixels[at + c] = static_cast<unsigned char>(image.pixels[at + c] * alpha / 255);
    }
}

ImageKind kindOfPath(const std::string& path)
{
    size_t dot = path.rfind('.');
    std::string extension = dot == std::string::npos ? "" : path.substr(dot + 1);
    for (char& c : extension)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return extension == "png" ? ImageKind::png : ImageKind::jpeg;
}

bool readImageFile(const std::string& path, const ImageBounds& bounds, DecodedImage& image,
                   std::string& why)
{
    std::string bytes;
    return readRegularFile(path, bytes, largestImageFile, why) &&
           decodeImage(bytes, kindOfPath(path), bounds, image, why);
}

}  // namespace

bool decodeImage(const std::string& bytes, ImageKind kind, const ImageBounds& bounds,
                 DecodedImage& image, std::string& why)
{
    image = DecodedImage();
    bool decoded;
    if (kind == ImageKind::jpeg) {
        JpegTrap trap;
        decoded = decodeJpegInto(bytes, bounds, trap, image);
        why = trap.why;
    } else {
        if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8)) {
            why = "to nie jest plik PNG";
            return false;
        }
        PngTrap trap{&bytes, 0, false, ""};
        std::vector<png_bytep> rows;
        decoded = decodePngInto(trap, bounds, image, rows);
        why = trap.why;
        if (decoded)
            premultiplyAlpha(image);
    }
    if (!decoded)
        image = DecodedImage();
    return decoded;
}

ALLEGRO_BITMAP* createBitmapFrom(const DecodedImage& image)
{
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(image.width, image.height);
    if (!bitmap)
        return nullptr;
    // Byte order red, green, blue, alpha, as decoded.
    ALLEGRO_LOCKED_REGION* region =
        al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    if (!region) {
        al_destroy_bitmap(bitmap);
        return nullptr;
    }
    size_t rowBytes = size_t(image.width) * 4;
    for (int y = 0; y < image.height; ++y)
        std::memcpy(static_cast<char*>(region->data) + ptrdiff_t(y) * region->pitch,
                    &image.pixels[rowBytes * size_t(y)], rowBytes);
    al_unlock_bitmap(bitmap);
    return bitmap;
}

ALLEGRO_BITMAP* loadImageFile(const std::string& path, const ImageBounds& bounds, std::string& why)
{
    DecodedImage image;
    if (!readImageFile(path, bounds, image, why))
        return nullptr;
    ALLEGRO_BITMAP* bitmap = createBitmapFrom(image);
    if (!bitmap)
        why = "brak pamięci na obraz " + sizeText(image.width, image.height);
    return bitmap;
}

std::string checkImageFile(const std::string& path, const ImageBounds& bounds)
{
    DecodedImage image;
    std::string why;
    readImageFile(path, bounds, image, why);
    return why;
}
