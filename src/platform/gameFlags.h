#pragma once

// The four switches shared by the main loop, the menus and the level scripts.
struct gameFlags {
    bool quit = false;
    bool fullscreen = false;
    bool thirtyFps = false;
    // Keeps the fifth and sixth flame routes closed. The game never changes it; the replay
    // tool's --fourth 0 clears it to play those routes.
    bool fourth = true;
};
