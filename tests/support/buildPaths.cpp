#include "support/buildPaths.h"

const char *const builtAssetsDir = VELMORA_ASSETS_DIR;
const char *const builtReplayPath = VELMORA_REPLAY_PATH;
const char *const builtAssetgenPath = VELMORA_ASSETGEN_PATH;
