#include "shell/platform.h"

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
