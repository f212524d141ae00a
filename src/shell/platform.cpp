#include "shell/platform.h"

#include <cassert>
#include <cstdint>
#include <cstring>
#include <fstream>

namespace {
Platform* currentPlatform = nullptr;
}

void usePlatform(Platform& chosen)
{
    currentPlatform = &chosen;
}

Platform& platform()
{
    assert(currentPlatform && "usePlatform must be called before the game starts");
    return *currentPlatform;
}

void destroySound(Sound*& sound)
{
    if (sound && sound->sample)
        al_destroy_sample(sound->sample);
    delete sound;
    sound = nullptr;
}

namespace {

// The length in seconds of a 16-bit PCM WAV file, or a negative number when
// the file is missing or is no such file.
double readWavSeconds(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    char riff[12];
    if (!file.read(riff, 12) || std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0)
        return -1.0;
    uint32_t bytesPerSecond = 0;
    // Walk the chunks: "fmt " tells the rate, "data" the length.
    char header[8];
    while (file.read(header, 8)) {
        uint32_t size;
        std::memcpy(&size, header + 4, 4);
        if (std::memcmp(header, "fmt ", 4) == 0) {
            char format[16];
            if (size < 16 || !file.read(format, 16))
                return -1.0;
            uint16_t encoding, bitsPerSample;
            std::memcpy(&encoding, format, 2);
            std::memcpy(&bytesPerSecond, format + 8, 4);
            std::memcpy(&bitsPerSample, format + 14, 2);
            if (encoding != 1 || bitsPerSample != 16 || bytesPerSecond == 0)
                return -1.0;
            file.seekg(size - 16 + (size & 1), std::ios::cur);
        } else if (std::memcmp(header, "data", 4) == 0) {
            return bytesPerSecond ? double(size) / bytesPerSecond : -1.0;
        } else {
            file.seekg(size + (size & 1), std::ios::cur);
        }
    }
    return -1.0;
}

}  // namespace

Sound* loadSilentSound(const char* path)
{
    double seconds = readWavSeconds(path);
    return seconds < 0 ? nullptr : new Sound{path, seconds, nullptr};
}
