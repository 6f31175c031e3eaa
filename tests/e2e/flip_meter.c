/* Preloaded into the game by present_cost.py: counts the frames presented (SDL_Flip) and the
 * CPU time of the whole process spent inside them, and writes both to $FLIP_METER_OUT at exit. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static long long frames;
static double cpuSeconds, wallSeconds;

static double now(clockid_t clock) {
    struct timespec t;
    clock_gettime(clock, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

static void report(void) {
    const char *path = getenv("FLIP_METER_OUT");
    FILE *out = path ? fopen(path, "w") : NULL;
    if (out) {
        fprintf(out, "%lld %.6f %.6f\n", frames, cpuSeconds, wallSeconds);
        fclose(out);
    }
}

int SDL_Flip(void *screen) {
    static int (*flip)(void *);
    if (!flip) {
        flip = (int (*)(void *))dlsym(RTLD_NEXT, "SDL_Flip");
        atexit(report);
    }
    const double cpu = now(CLOCK_PROCESS_CPUTIME_ID), wall = now(CLOCK_MONOTONIC);
    const int result = flip(screen);
    cpuSeconds += now(CLOCK_PROCESS_CPUTIME_ID) - cpu;
    wallSeconds += now(CLOCK_MONOTONIC) - wall;
    frames++;
    return result;
}

/* A game that has nothing left to hear ends through _Exit, which runs no atexit handlers. */
void _Exit(int status) {
    static void (*end)(int);
    if (!end) {
        end = (void (*)(int))dlsym(RTLD_NEXT, "_Exit");
    }
    if (frames > 0) {
        report();
    }
    end(status);
    abort(); /* not reached */
}
