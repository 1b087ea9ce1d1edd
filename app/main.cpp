// ズィルボ on a real window (SDL2).

#include "app/Game.h"
#include "platform/sdl/SdlFolders.h"
#include "platform/sdl/SdlPlatform.h"
#include "save/ProgressRecord.h"

#include <cstdio>
#include <string>

int main() {
    zb::letFileSizeLimitFailSaves();
    std::string why;
    auto platform = zb::SdlPlatform::create(why);
    if (!platform) {
        std::fprintf(stderr,
                     "ズィルボ: no display to open the game window on (%s); "
                     "on a machine without one, run it under Xvfb: xvfb-run -a scripts/play.sh\n",
                     why.c_str());
        return 1;
    }
    // Pictures and sounds beside the executable or where it was installed to;
    // saves beside them, or in the player's own folder when that cannot be.
    zb::useGameFolders(zb::sdlGameFolders(zb::sdlExecutableFolder()));
    return zb::runGame(*platform);
}
