#pragma once
// Opening the game's own files for reading (the SDL sources are in fileSource*.cpp). A named pipe or a device
// put where a picture or a save file belongs would hold a plain open() until a writer comes, deaf to the
// signals SDL catches; these never wait, and open nothing but regular files.
#include <SDL.h>

#include <cstdio>
#include <string>

// A read-only descriptor of the file, or -1 when it is missing (errno ENOENT), cannot be
// opened, or is not a regular file.
int openRegularFile(const std::string &path);

// What stands at a path that openRegularFile could not open: nothing, a regular file that may
// not be read, or no file at all (a folder, a pipe, a device, a link to nothing). errno is
// left as the open set it.
enum class pathHolds : unsigned char { nothing, unreadableFile, noFile };
pathHolds whatPathHolds(const std::string &path);
// What stands at a path that holds no file, in words: "a folder", "a link to nothing" ...
const char *noFileKind(const std::string &path);

// The same as a stream for binary reading; null when openRegularFile gives -1.
std::FILE *openRegularStream(const std::string &path);

// A source SDL's libraries read from, for a regular file; null otherwise. The desktop's
// source reads the file opened above; the browser's reads it by name.
SDL_RWops *openRegularSource(const std::string &path);

// A picture read by the image library from a regular file; null otherwise.
SDL_Surface *loadPictureFile(const std::string &path);

// True when the file is a picture the game can show: on the desktop one the image library
// reads; in the browser, whose pictures the game's own PNG reader decodes, a regular file that
// starts as a PNG does.
bool isReadablePicture(const std::string &path);

// The sound files' extension: the browser's page carries the music and effects compressed.
extern const char *const soundFileExtension;
