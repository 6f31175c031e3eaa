#pragma once
// Reading a file's bytes and writing a buffer out whole, on descriptors: a read or write cut
// short by a signal goes on where it stopped.
#include <cstddef>
#include <string>

// Appends what the descriptor holds, up to its end or until `bytes` has `limit` bytes; false
// on a read error (errno says why).
bool readUpTo(int fd, std::string &bytes, std::size_t limit);

// Writes the bytes whole; the count written, fewer on failure (errno says why).
std::size_t writeWhole(int fd, const char *bytes, std::size_t size);

// Only a regular file is read. A file there that cannot be read is unreadable (errno tells
// why); anything else in its place, a link to nothing included, is not a file.
enum class fileRead { read, missing, unreadable, notAFile };
// The file's first `limit` bytes at most.
fileRead readFileStart(const std::string &path, std::string &bytes, std::size_t limit);
