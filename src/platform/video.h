#pragma once
// The game's window: bringing it up with its caption and icon, the 640 x 480 screen it
// shows (at 1 to 4 window pixels per screen pixel), and the switch between windowed and
// fullscreen mode.
#include <cstdint>

struct SDL_Surface; // the drawing code's picture; only passed through here

inline constexpr int screenWidth = 640;
inline constexpr int screenHeight = 480;
inline constexpr int screenDepth = 32;
inline constexpr const char *windowCaption = "Velmora";
// A double-buffered hardware surface in any pixel format; fullscreen adds one bit.
inline constexpr std::uint32_t windowedVideoFlags = 0x50000001;
inline constexpr std::uint32_t fullscreenVideoFlags = 0xD0000001;

// The window's screen as the game holds it. Only this layer and the drawing code look
// inside; everything else passes it on.
struct screenHandle {
    SDL_Surface *surface = nullptr;

    bool isOpen() const { return surface != nullptr; }
};

// The window shows each screen pixel as a sharp square of 1 to 4 window pixels; the game
// always draws at 640 x 480. Automatic: the largest whole scale that fits the desktop, at
// most 3, since without a graphics card presenting at 4 takes nearly a whole pass.
inline constexpr int automaticWindowScale = 0;
inline constexpr int largestWindowScale = 4;
inline constexpr int largestAutomaticWindowScale = 3;

// The scale asked for (or the automatic one), lowered until the window fits the desktop with
// room left for its title bar. A desktop of unknown size (0) lowers nothing, and makes the
// automatic scale 1.
int fittingWindowScale(int requestedScale, int desktopWidth, int desktopHeight);

// True when the text is a scale the window can be shown at: a finite number, at least 1, with
// the window fitting the desktop as above (at most the largest scale when its size is unknown).
bool isShowableWindowScaling(const char *text, int desktopWidth, int desktopHeight);

// Brings up SDL, the audio device (when there is one) and the window, windowed, with its
// caption and icon. No screen in the handle when no window can be opened, with the reason
// given in one line on standard error.
screenHandle openGameWindow(int requestedScale = automaticWindowScale);
// True once the audio device is open for the mixer.
bool audioDeviceOpen();
// Closes the window, lets the audio device go and ends the process with the status;
// soundAudible tells whether the player could still hear anything at the end.
[[noreturn]] void closeGameAndExit(int status, bool soundAudible);

// Sets a video mode and answers the new screen, or no screen when the mode cannot be set.
using videoModeSetter = screenHandle (*)(int width, int height, int depth, std::uint32_t flags);
screenHandle setVideoModeOfWindow(int width, int height, int depth, std::uint32_t flags);

struct videoModeState {
    bool currentlyWindowed = true; // the window opens windowed
    bool switchPending = false;
    videoModeSetter setVideoMode = setVideoModeOfWindow;
};

// Switches between windowed and fullscreen when the wish differs from the mode in force,
// and returns the screen to draw on from now on. A mode that cannot be set leaves the old
// one in force and sets the wish back to match it; no screen only when no mode at all can
// be set.
screenHandle followVideoMode(videoModeState &video, bool &fullscreenWish, screenHandle screen);
