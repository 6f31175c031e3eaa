/* Counts the SDL surfaces a process holds, for the soak run: loaded with LD_PRELOAD, it
 * wraps the calls that make and free surfaces and keeps the number alive in the 8-byte file
 * named by VELMORA_SURFACE_COUNT, which the soak script reads while the game runs.
 * Calls made from inside another wrapped call are not counted: one surface made by the
 * outer call is one surface, whatever the library does on the way. */
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <SDL.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <unistd.h>

static volatile long long *liveSurfaces;
static __thread int depth;

static void openCounter(void) {
    const char *path = getenv("VELMORA_SURFACE_COUNT");
    if (liveSurfaces != NULL || path == NULL) {
        return;
    }
    const int fd = open(path, O_RDWR | O_CREAT, 0644);
    if (fd < 0 || ftruncate(fd, sizeof(long long)) != 0) {
        return;
    }
    void *mapped = mmap(NULL, sizeof(long long), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    close(fd);
    if (mapped != MAP_FAILED) {
        liveSurfaces = mapped;
    }
}

static void count(const void *surface, long long change) {
    openCounter();
    if (surface != NULL && depth == 0 && liveSurfaces != NULL) {
        __atomic_add_fetch(liveSurfaces, change, __ATOMIC_RELAXED);
    }
}

#define NEXT(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

SDL_Surface *SDL_CreateRGBSurface(Uint32 flags, int w, int h, int d, Uint32 r, Uint32 g, Uint32 b, Uint32 a) {
    depth++;
    SDL_Surface *s = NEXT(SDL_CreateRGBSurface)(flags, w, h, d, r, g, b, a);
    depth--;
    count(s, 1);
    return s;
}

SDL_Surface *SDL_CreateRGBSurfaceFrom(void *pixels, int w, int h, int d, int pitch, Uint32 r, Uint32 g, Uint32 b,
                                      Uint32 a) {
    depth++;
    SDL_Surface *s = NEXT(SDL_CreateRGBSurfaceFrom)(pixels, w, h, d, pitch, r, g, b, a);
    depth--;
    count(s, 1);
    return s;
}

SDL_Surface *SDL_ConvertSurface(SDL_Surface *src, SDL_PixelFormat *fmt, Uint32 flags) {
    depth++;
    SDL_Surface *s = NEXT(SDL_ConvertSurface)(src, fmt, flags);
    depth--;
    count(s, 1);
    return s;
}

SDL_Surface *SDL_DisplayFormat(SDL_Surface *src) {
    depth++;
    SDL_Surface *s = NEXT(SDL_DisplayFormat)(src);
    depth--;
    count(s, 1);
    return s;
}

SDL_Surface *SDL_DisplayFormatAlpha(SDL_Surface *src) {
    depth++;
    SDL_Surface *s = NEXT(SDL_DisplayFormatAlpha)(src);
    depth--;
    count(s, 1);
    return s;
}

void SDL_FreeSurface(SDL_Surface *s) {
    /* Only the last reference frees it; the screen is the video mode's, never freed here. */
    const int freed = s != NULL && s->refcount <= 1;
    depth++;
    NEXT(SDL_FreeSurface)(s);
    depth--;
    count(freed ? s : NULL, -1);
}
