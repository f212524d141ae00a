#include "shell/platform.h"

#include "files/sound_files.h"

#include <cassert>

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

Sound* loadSilentSound(const char* path)
{
    std::string bytes, why;
    WavFormat format;
    if (!readSoundFile(path, bytes, format, why))
        return nullptr;
    return new Sound{path, format.seconds(), nullptr};
}
