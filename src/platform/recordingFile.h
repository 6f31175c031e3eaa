#pragma once
// The file a recording is written to, as the system opens and cuts it.
#include <cstddef>
#include <string>

// The file opened for writing, without waiting (a named pipe would hold the game until a
// reader came), and emptied only once it is known to be a regular file that is empty or holds
// an earlier recording; never one in the game's data folder. -1, with why in `error`, else.
int openRecordingFile(const std::string &target, const std::string &dataFolder, std::string &error);
// Cuts the file back to its first `bytes` bytes.
bool cutFileTo(int fd, size_t bytes);
