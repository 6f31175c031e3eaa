#pragma once
// The few calls on files, folders, the clock and the environment that POSIX systems and Windows
// make differently. Paths are UTF-8 on both: Windows' own file turns them into its wide names,
// so a folder or a player with a name beyond ASCII works the same.
#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>

bool isFolder(const std::string &path);
// Makes one folder; true when it is there afterwards, made now or before.
bool makeFolder(const std::string &path);
// True when nothing at all stands at the path, not even a link to nothing.
bool isMissing(const std::string &path);
// Renames the file unless something stands at `to` already (errno EEXIST then).
bool moveIfFree(const std::string &from, const std::string &to);
// Makes a new empty file; false when anything stands there already (errno EEXIST) or it
// cannot be made.
bool createNewFile(const std::string &path);
// The file emptied, or made, for writing in binary; null when it cannot be.
std::FILE *openWriteStream(const std::string &path);

// True for the characters that part a path's folders: '/', and on Windows '\' too.
bool isPathSeparator(char c);
bool isAbsolutePath(std::string_view path);
// The folder the running program is in, or empty when the system does not say.
std::string programFolder();
bool enterFolder(const std::string &path);
// The working folder, or empty when it cannot be told.
std::string workingFolder();

// The variable's value, empty when it is unset.
std::string environmentValue(const char *name);
// Sets the variable; an existing value stays unless `replace`.
void setEnvironment(const char *name, const char *value, bool replace);
void clearEnvironment(const char *name);

std::tm localTimeOf(std::time_t when);
