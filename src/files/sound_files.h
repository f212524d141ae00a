// The sounds: WAV files, checked by the rules of the graphics library's own
// WAV loader, so that the game without an audio device accepts exactly what
// the game with one would play, and with one never hands the loader a file
// that claims more than it holds.
#pragma once

#include <allegro5/allegro_audio.h>

#include <string>

struct WavFormat {
    int channels = 1;          // 1 or 2
    int bitsPerSample = 8;     // 8 or 16
    unsigned rate = 22050;     // frames per second
    long long frames = 0;      // as the loader counts them
    size_t dataOffset = 0;     // where the first frame starts in the file
    size_t dataBytes = 0;      // the data's length, all of it within the file
    double seconds() const { return double(frames) / rate; }
};

// Reads the format of the WAV file in `bytes`. False, with the reason in
// `why`, when the loader would refuse it, when it would loop for ever on it,
// or when the data size it claims runs past the end of the file (the loader
// would allocate that much).
bool readWavFormat(const std::string& bytes, WavFormat& format, std::string& why);

// Reads the sound file at `path` whole and checks it. False, with the reason
// in `why`, for a file that is missing, no plain file, or no such WAV.
bool readSoundFile(const std::string& path, std::string& bytes, WavFormat& format,
                   std::string& why);

// How many bytes the frames take: frames × channels × bytes per value.
size_t frameBytes(const WavFormat& format);

// Copies the frames of a WAV file that readWavFormat accepted into `into`
// (frameBytes long), 16-bit values in the machine's byte order; a last frame
// the file holds only part of is completed with silence.
void copyFrames(const std::string& bytes, const WavFormat& format, unsigned char* into);

// A sample of those frames, made from the checked bytes rather than by the
// library's loader, which would block on a FIFO and allocates as much as a
// file claims to hold. Needs the audio system. Null when memory runs out.
ALLEGRO_SAMPLE* createSampleFrom(const std::string& bytes, const WavFormat& format);
