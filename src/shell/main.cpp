#include "shell/allegro_platform.h"
#include "shell/main_loop.h"

int main()
{
    AllegroPlatform realPlatform;
    usePlatform(realPlatform);
    return gameMain();
}
