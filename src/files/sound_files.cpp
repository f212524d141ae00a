#include "files/sound_files.h"

#include "files/safe_files.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Ours last a second or two.
constexpr size_t largestSoundFile = 64 * 1024 * 1024;

uint32_t read32(const std::string& bytes, size_t at)
{
    const unsigned char* b = reinterpret_cast<const unsigned char*>(bytes.data()) + at;
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

uint16_t read16(const std::string& bytes, size_t at)
{
    const unsigned char* b = reinterpret_cast<const unsigned char*>(bytes.data()) + at;
    return uint16_t(b[0] | b[1] << 8);
}

}  // namespace

bool readWavFormat(const std::string& bytes, WavFormat& format, std::string& why)
{
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        why = "to nie jest plik WAV";
        return false;
    }
    // The loader's defaults, for a file without a format chunk before its data.
    WavFormat found;
    size_t at = 12;
    uint32_t dataLength = 0;
    while (true) {
        if (bytes.size() - at < 8) {
            why = "w pliku WAV nie ma danych dźwięku";
            return false;
        }
        bool isFormat = bytes.compare(at, 4, "fmt ") == 0;
        bool isData = bytes.compare(at, 4, "data") == 0;
        uint32_t length = read32(bytes, at + 4);
        at += 8;
        // The loader takes a length as a signed number: negative, it would
        // seek back and read the same chunk for ever.
        if (length >= 0x80000000u) {
            why = "uszkodzony plik WAV (fragment o długości " + std::to_string(length) + ")";
            return false;
        }
        if (isData) {
            dataLength = length;
            break;
        }
        if (isFormat) {
            if (length < 16 || bytes.size() - at < 16) {
                why = "uszkodzony plik WAV (za krótki opis formatu)";
                return false;
            }
            if (read16(bytes, at) != 1) {
                why = "to nie jest nieskompresowany dźwięk PCM";
                return false;
            }
            found.channels = read16(bytes, at + 2);
            found.rate = read32(bytes, at + 4);
            found.bitsPerSample = read16(bytes, at + 14);
            if (found.bitsPerSample != 8 && found.bitsPerSample != 16) {
                why = "ma " + std::to_string(found.bitsPerSample) +
                      " bitów na próbkę, a gra czyta 8 albo 16";
                return false;
            }
        }
        // No padding after a chunk of odd length: the loader reads none.
        if (length > bytes.size() - at) {
            why = "plik jest ucięty";
            return false;
        }
        at += length;
    }
    if (found.channels != 1 && found.channels != 2) {
        why = "ma " + std::to_string(found.channels) + " kanałów, a gra czyta 1 albo 2";
        return false;
    }
    if (found.rate == 0) {
        why = "uszkodzony plik WAV (częstotliwość 0)";
        return false;
    }
    // Counted and rounded as the loader counts them. It reads what the file
    // holds of that many frames; the rest of an odd last frame is silence.
    long long frames = dataLength;
    if (found.channels == 2)
        frames = (frames + 1) / 2;
    if (found.bitsPerSample == 16)
        frames /= 2;
    if (dataLength > bytes.size() - at) {
        why = "plik jest ucięty (dane dźwięku: " + std::to_string(dataLength) + " bajtów, w pliku " +
              std::to_string(bytes.size() - at) + ")";
        return false;
    }
    found.frames = frames;
    found.dataOffset = at;
    found.dataBytes = dataLength;
    format = found;
    return true;
}

bool readSoundFile(const std::string& path, std::string& bytes, WavFormat& format, std::string& why)
{
    return readRegularFile(path, bytes, largestSoundFile, why) && readWavFormat(bytes, format, why);
}

size_t frameBytes(const WavFormat& format)
{
    return size_t(format.frames) * size_t(format.channels) * size_t(format.bitsPerSample / 8);
}

void copyFrames(const std::string& bytes, const WavFormat& format, unsigned char* into)
{
    const unsigned char* data = reinterpret_cast<const unsigned char*>(bytes.data()) + format.dataOffset;
    size_t held = std::min(frameBytes(format), bytes.size() - format.dataOffset);
    auto byteAt = [&](size_t k) -> unsigned char { return k < held ? data[k] : 0; };
    if (format.bitsPerSample == 8) {
        for (size_t k = 0; k < frameBytes(format); ++k)
            into[k] = k < held ? data[k] : 0x80;   // unsigned: 0x80 is silence
        return;
    }
    for (size_t v = 0; v < frameBytes(format) / 2; ++v) {
        // Little-endian in the file, whatever the machine.
        int16_t value = static_cast<int16_t>(byteAt(2 * v) | byteAt(2 * v + 1) << 8);
        std::memcpy(into + 2 * v, &value, 2);
    }
}

ALLEGRO_SAMPLE* createSampleFrom(const std::string& bytes, const WavFormat& format)
{
    // The sample frees the buffer with al_free.
    unsigned char* buffer = static_cast<unsigned char*>(al_malloc(std::max<size_t>(frameBytes(format), 1)));
    if (!buffer)
        return nullptr;
    copyFrames(bytes, format, buffer);
    ALLEGRO_SAMPLE* sample =
        al_create_sample(buffer, static_cast<unsigned>(format.frames), format.rate,
                         format.bitsPerSample == 16 ? ALLEGRO_AUDIO_DEPTH_INT16 : ALLEGRO_AUDIO_DEPTH_UINT8,
                         format.channels == 2 ? ALLEGRO_CHANNEL_CONF_2 : ALLEGRO_CHANNEL_CONF_1, true);
    if (!sample)
        al_free(buffer);
    return sample;
}
