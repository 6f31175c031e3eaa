#pragma once
#include <SDL.h>

#include <string>

// Writes the surface as an 8-bit RGB PNG; false when the file cannot be written.
bool saveSurfacePng(SDL_Surface *surface, const std::string &path);
