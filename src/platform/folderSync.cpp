#include "platform/dataFolder.h"

#include <fcntl.h>
#include <unistd.h>

// The folder's own record of the rename reaches the disk too, so the new name survives a
// power cut. A file system that cannot sync a folder has nothing more to do.
void syncFolderOf(const std::string &path) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}
