#pragma once
// Where this build put the art and sounds, the replay tool and the asset generator. Only
// buildPaths.cpp is told the build folder, so every other test file compiles to the same bytes
// in any checkout, and a fresh clone takes them from the compiler cache.
extern const char *const builtAssetsDir;
extern const char *const builtReplayPath;
extern const char *const builtAssetgenPath;
