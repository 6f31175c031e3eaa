#include "platform/video.h"

#include "platform/input.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <strings.h>

#include "platform/regularFile.h"
#include "platform/systemCalls.h"
#include "platform/windowScaling.h"

static_assert(windowedVideoFlags == (SDL_HWSURFACE | SDL_ANYFORMAT | SDL_DOUBLEBUF));
static_assert(fullscreenVideoFlags == (windowedVideoFlags | SDL_FULLSCREEN));

// Window systems refuse large icons (X raises an error that ends the program), and none
// shows one larger than this.
static constexpr int largestIconSide = 256;
static constexpr int titleBarAllowance = 64; // the window's frame and a desk panel

static constexpr const char *scaleMethodVariable = "SDL12COMPAT_SCALE_METHOD";
static constexpr const char *videoDriverVariable = "SDL_VIDEODRIVER";

// A 32-bit picture with alpha, bytes in memory order R, G, B, A on any machine.
static SDL_Surface *rgbaSurface(const int width, const int height) {
    const bool bigEndian = SDL_BYTEORDER == SDL_BIG_ENDIAN;
    return SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, bigEndian ? 0xFF000000 : 0x000000FF,
                                bigEndian ? 0x00FF0000 : 0x0000FF00, bigEndian ? 0x0000FF00 : 0x00FF0000,
                                bigEndian ? 0x000000FF : 0xFF000000);
}

static const std::uint8_t *rgbaAt(const SDL_Surface *picture, const int x, const int y) {
    return static_cast<const std::uint8_t *>(picture->pixels) + y * picture->pitch + x * 4;
}

// Each icon pixel is the alpha-weighted mean of the block of picture pixels it covers.
static void shrinkInto(const SDL_Surface *picture, SDL_Surface *icon) {
    for (int y = 0; y < icon->h; ++y) {
        const int top = y * picture->h / icon->h;
        const int bottom = std::max(top + 1, (y + 1) * picture->h / icon->h);
        for (int x = 0; x < icon->w; ++x) {
            const int left = x * picture->w / icon->w;
            const int right = std::max(left + 1, (x + 1) * picture->w / icon->w);
            std::uint64_t red = 0, green = 0, blue = 0, alpha = 0;
            for (int sy = top; sy < bottom; ++sy) {
                for (int sx = left; sx < right; ++sx) {
                    const std::uint8_t *p = rgbaAt(picture, sx, sy);
                    red += std::uint64_t{p[0]} * p[3];
                    green += std::uint64_t{p[1]} * p[3];
                    blue += std::uint64_t{p[2]} * p[3];
                    alpha += p[3];
                }
            }
            const std::uint64_t count = std::uint64_t(bottom - top) * (right - left);
            std::uint8_t *out = static_cast<std::uint8_t *>(icon->pixels) + y * icon->pitch + x * 4;
            out[0] = std::uint8_t(alpha ? red / alpha : 0);
            out[1] = std::uint8_t(alpha ? green / alpha : 0);
            out[2] = std::uint8_t(alpha ? blue / alpha : 0);
            out[3] = std::uint8_t(alpha / count);
        }
    }
}

// The picture shrunk to fit 256 x 256, keeping its shape; none when memory runs out.
static SDL_Surface *shrunkIcon(SDL_Surface *picture) {
    const int longest = std::max(picture->w, picture->h);
    const int width = std::max(1, int(std::int64_t{picture->w} * largestIconSide / longest));
    const int height = std::max(1, int(std::int64_t{picture->h} * largestIconSide / longest));
    SDL_Surface *rgba = rgbaSurface(1, 1);
    SDL_Surface *converted = rgba ? SDL_ConvertSurface(picture, rgba->format, SDL_SWSURFACE) : nullptr;
    SDL_Surface *icon = converted ? rgbaSurface(width, height) : nullptr;
    if (icon != nullptr) {
        SDL_LockSurface(converted);
        shrinkInto(converted, icon);
        SDL_UnlockSurface(converted);
    }
    SDL_FreeSurface(converted);
    SDL_FreeSurface(rgba);
    return icon;
}

// A missing or unusable icon leaves the window without one; the game plays on.
static void setWindowIcon() {
    SDL_Surface *picture = loadPictureFile("art/icon.png");
    if (picture == nullptr) {
        return;
    }
    if (picture->w <= largestIconSide && picture->h <= largestIconSide) {
        SDL_WM_SetIcon(picture, nullptr);
    } else if (SDL_Surface *icon = shrunkIcon(picture)) {
        SDL_WM_SetIcon(icon, nullptr);
        SDL_FreeSurface(icon);
    }
    SDL_FreeSurface(picture);
}

// The window at this scale fits the desktop with room left for its title bar.
static bool windowFits(const double scale, const int desktopWidth, const int desktopHeight) {
    return screenWidth * scale <= desktopWidth && screenHeight * scale <= desktopHeight - titleBarAllowance;
}

int fittingWindowScale(const int requestedScale, const int desktopWidth, const int desktopHeight) {
    const bool desktopKnown = desktopWidth > 0 && desktopHeight > 0;
    if (requestedScale == automaticWindowScale && !desktopKnown) {
        return 1;
    }
    int scale = requestedScale == automaticWindowScale ? largestAutomaticWindowScale
                                                       : std::clamp(requestedScale, 1, largestWindowScale);
    while (desktopKnown && scale > 1 && !windowFits(scale, desktopWidth, desktopHeight)) {
        --scale;
    }
    return scale;
}

bool isShowableWindowScaling(const char *const text, const int desktopWidth, const int desktopHeight) {
    char *end = nullptr;
    const double scale = std::strtod(text, &end);
    if (end == text || *end != '\0' || !std::isfinite(scale) || scale < 1) {
        return false;
    }
    if (desktopWidth <= 0 || desktopHeight <= 0) {
        return scale <= largestWindowScale;
    }
    return windowFits(scale, desktopWidth, desktopHeight);
}

static bool isSet(const char *value) {
    return value != nullptr && value[0] != '\0';
}

// Why no window could be opened, when the X display is the likely cause.
static std::string displayTrouble() {
    const char *const display = std::getenv("DISPLAY");
    return isSet(display) ? std::string("no connection to the X display ") + display
                          : std::string("no X display (DISPLAY is not set)");
}

// Without an X display SDL falls back to a driver that shows nothing, and the game would run
// unseen until killed. Such a driver is only right when the player names it.
static bool runsWithoutWindowUnasked() {
    char driver[32] = "";
    if (SDL_VideoDriverName(driver, sizeof driver) == nullptr) {
        return false;
    }
    const char *const asked = std::getenv(videoDriverVariable);
    const bool windowless = std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
    return windowless && !(isSet(asked) && strcasecmp(asked, driver) == 0);
}

// Starts video once, and only once: a start, stop and restart would leave the X server with no
// client for a moment, and a server whose last client leaves resets itself and may drop the
// connection that follows.
static bool startVideo() {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        const char *const asked = std::getenv(videoDriverVariable);
        const bool x11Asked = isSet(asked) && strcasecmp(asked, "x11") == 0;
        std::fprintf(stderr, "velmora: cannot start video: %s%s\n", SDL_GetError(),
                     x11Asked ? (" (" + displayTrouble() + ")").c_str() : "");
        return false;
    }
    if (runsWithoutWindowUnasked()) {
        std::fprintf(stderr, "velmora: cannot start video: %s\n", displayTrouble().c_str());
        return false;
    }
    return true;
}

screenHandle openGameWindow(const int requestedScale) {
    // Scaled pixels stay sharp squares unless the player asks sdl12-compat for another method
    // (it reads this as video starts).
    setEnvironment(scaleMethodVariable, "nearest", false);
    // The game cannot run without a window; sound is welcome but may be missing.
    if (!startVideo()) {
        SDL_Quit();
        return {};
    }
    chooseWindowScaling(requestedScale);
    SDL_InitSubSystem(SDL_INIT_AUDIO);
    openGamepads(); // a pad plugged in before the start drives from the first pass
    SDL_WM_SetCaption(windowCaption, nullptr);
    // Without a sound device the game still plays, in silence, and says so once.
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) != 0) {
        std::fprintf(stderr, "velmora: no sound (%s); playing on in silence\n", Mix_GetError());
    }
    Mix_Volume(-1, 77);

    SDL_Surface *const screen = openWindowSurface();
    if (screen == nullptr) {
        std::fprintf(stderr, "velmora: cannot open the window: %s\n", SDL_GetError());
        SDL_Quit();
        return {};
    }
    setWindowIcon();
    return {screen};
}

bool audioDeviceOpen() {
    return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0;
}

// Under the dummy driver the mixer runs, but nothing reaches a speaker.
static bool audioIsHeard() {
    char driver[32] = "";
    return SDL_AudioDriverName(driver, sizeof driver) != nullptr && std::strcmp(driver, "dummy") != 0;
}

// Sanitizer builds check for leaks as the process ends, so they always close in full.
#if defined(__SANITIZE_ADDRESS__)
static constexpr bool checkedAtExit = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
static constexpr bool checkedAtExit = true;
#else
static constexpr bool checkedAtExit = false;
#endif
#else
static constexpr bool checkedAtExit = false;
#endif

// Closing the audio device makes SDL play out what the device still holds: its audio thread
// sleeps twice a buffer's length (92 ms at 2048 samples) after the last buffer, and the close
// waits for it. With nothing audible there is nothing to play out, so everything else is
// closed and the process ends at once, the device with it. It must end without running the
// libraries' exit handlers: they tear down the SDL layer the still-running audio thread
// calls into.
void closeGameAndExit(const int status, const bool soundAudible) {
    if (audioDeviceOpen() && !(soundAudible && audioIsHeard()) && !checkedAtExit) {
        SDL_PauseAudio(1);
        SDL_QuitSubSystem(SDL_WasInit(SDL_INIT_EVERYTHING) & ~SDL_INIT_AUDIO);
        std::fflush(nullptr);
        std::_Exit(status);
    }
    Mix_CloseAudio();
    SDL_Quit();
    std::exit(status);
}

screenHandle setVideoModeOfWindow(const int width, const int height, const int depth,
                                  const std::uint32_t flags) {
    return {setScreenMode(width, height, depth, flags)};
}

static screenHandle enterMode(videoModeState &video, const bool windowed) {
    const screenHandle screen = video.setVideoMode(screenWidth, screenHeight, screenDepth,
                                                   windowed ? windowedVideoFlags : fullscreenVideoFlags);
    if (screen.isOpen()) {
        SDL_WM_SetCaption(windowCaption, nullptr);
        SDL_ShowCursor(windowed ? SDL_ENABLE : SDL_DISABLE);
        video.currentlyWindowed = windowed;
    }
    return screen;
}

screenHandle followVideoMode(videoModeState &video, bool &fullscreenWish, const screenHandle screen) {
    if (!video.switchPending && video.currentlyWindowed == fullscreenWish) {
        video.switchPending = true;
    }
    if (!video.switchPending) {
        return screen;
    }
    video.switchPending = false;

    const bool wasWindowed = video.currentlyWindowed;
    if (const screenHandle switched = enterMode(video, !wasWindowed); switched.isOpen()) {
        return switched;
    }
    // The new mode failed: play on in the old one and stop wishing for the other.
    fullscreenWish = !wasWindowed;
    return enterMode(video, wasWindowed);
}
