// The checks of the sounds and fonts on any bytes: a WAV is accepted only
// with a format the game can play and data that lies within the file, and
// its frames are copied without a byte read or written out of place; a font
// only with every table within the file.
#include "files/font_files.h"
#include "files/sound_files.h"
#include "fuzz_check.h"

#include <cstdint>
#include <vector>

namespace {

void checkSound(const std::string& bytes)
{
    WavFormat format;
    std::string why;
    if (!readWavFormat(bytes, format, why)) {
        require(!why.empty(), "a sound refused without a reason");
        return;
    }
    require(format.channels == 1 || format.channels == 2, "a sound of " + std::to_string(format.channels) + " channels");
    require(format.bitsPerSample == 8 || format.bitsPerSample == 16, "a sound of odd sample size");
    require(format.rate > 0, "a sound of rate 0");
    require(format.frames >= 0, "a negative frame count");
    require(format.dataOffset <= bytes.size() && format.dataBytes <= bytes.size() - format.dataOffset,
            "sound data past the end of the file");
    // The loader's rounding: at most one frame more than the data holds.
    unsigned long long bytesPerFrame = format.channels * (format.bitsPerSample / 8);
    require(static_cast<unsigned long long>(format.frames) * bytesPerFrame < format.dataBytes + bytesPerFrame,
            "more frames than the data holds");
    // What the sample is made from: within the file, and all of it written.
    std::vector<unsigned char> frames(frameBytes(format) + 1, 0xa5);
    copyFrames(bytes, format, frames.data());
    require(frames.back() == 0xa5, "frames copied past their length");
}

uint32_t bigEndian32(const std::string& bytes, size_t at)
{
    uint32_t value = 0;
    for (size_t k = 0; k < 4; ++k)
        value = value << 8 | static_cast<unsigned char>(bytes[at + k]);
    return value;
}

void checkFont(const std::string& bytes)
{
    if (!checkFontBytes(bytes).empty())
        return;
    size_t face = bytes.compare(0, 4, "ttcf") == 0 ? bigEndian32(bytes, 12) : 0;
    size_t tables = static_cast<unsigned char>(bytes[face + 4]) << 8 | static_cast<unsigned char>(bytes[face + 5]);
    require(face + 12 + 16 * tables <= bytes.size(), "a table directory past the end of the file");
    for (size_t t = 0; t < tables; ++t) {
        size_t entry = face + 12 + 16 * t;
        require(uint64_t(bigEndian32(bytes, entry + 8)) + bigEndian32(bytes, entry + 12) <= bytes.size(),
                "a table past the end of the file");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    checkSound(bytes);
    checkFont(bytes);
    return 0;
}
