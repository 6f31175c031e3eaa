#pragma once
// Small hand-made pictures for the image bank tests: surfaces of one colour, PNG files
// of them in a temporary art folder, and a guard that works inside that folder.
#include <SDL.h>

#include <string>

// A 32-bit surface whose colour bits read as 0xRRGGBB, filled with one colour.
SDL_Surface *makeSurface(int width, int height, Uint32 rgb);
// Colour bits of a texel, whatever the alpha; noTexel when there is no surface.
constexpr Uint32 noTexel = 0xFFFFFFFF;
Uint32 texelColour(SDL_Surface *surface, int x, int y);

// Writes a PNG of one colour, making the folders on the way.
void writePicture(const std::string &path, int width, int height, Uint32 rgb);
void writePicture(const std::string &path, SDL_Surface *surface);
// Writes a file that is not a picture at all.
void writeGarbage(const std::string &path, size_t bytes);

// Makes a folder the working directory for its lifetime, then returns to the old one.
class workingFolder {
  public:
    explicit workingFolder(const std::string &folder);
    ~workingFolder();
    workingFolder(const workingFolder &) = delete;
    workingFolder &operator=(const workingFolder &) = delete;

  private:
    std::string previous;
};
