#pragma once
// Test helpers: SDL's dummy video driver brought up once for the tests that need events
// or surfaces, and temporary folders that clean up after themselves.
#include <SDL.h>

#include <string>

// Brings up SDL video with the dummy driver (once per process) and opens a 640 x 480 screen.
SDL_Surface *dummyScreen();

// A fresh folder under /tmp, removed with everything in it when the object goes.
class temporaryFolder {
  public:
    temporaryFolder();
    ~temporaryFolder();
    temporaryFolder(const temporaryFolder &) = delete;
    temporaryFolder &operator=(const temporaryFolder &) = delete;

    const std::string &path() const { return folder; }
    std::string file(const std::string &name) const;

  private:
    std::string folder;
};

std::string readWholeFile(const std::string &path);

// The colour of a pixel of any surface (a loaded screenshot, say), as 0xRRGGBB.
Uint32 pixelRgb(SDL_Surface *surface, int x, int y);
void writeWholeFile(const std::string &path, const std::string &contents);
