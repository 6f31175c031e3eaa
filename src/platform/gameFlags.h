#pragma once

// The four switches shared by the main loop, the menus and the level scripts.
struct gameFlags {
    bool quit = false;
    bool fullscreen = false;
    bool thirtyFps = false;
    bool fourth = true; // never changed: keeps the fifth and sixth flame routes closed
};
