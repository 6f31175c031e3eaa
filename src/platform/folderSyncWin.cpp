#include "platform/dataFolder.h"

// Windows writes a rename made with MOVEFILE_WRITE_THROUGH to the disk before the move
// returns: the folder holds nothing more to sync.
void syncFolderOf(const std::string &) {}
