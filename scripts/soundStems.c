/* Logs what the game asks of the mixer, for the sound report: loaded with LD_PRELOAD, it
 * wraps the mixer calls that load, start, stop and set the volume of sounds, and writes each
 * to the file named by VELMORA_STEM_LOG with the frame of the mix it takes effect at (the
 * frames mixed so far, counted after each mix). From that log and the sound files the report
 * rebuilds every channel as the player hears it and checks that they add up to the recording.
 *
 *   load CHUNK BYTES CHECKSUM    a sound was decoded (its bytes weighted by position, mod 2^32)
 *   play FRAME CHANNEL CHUNK LOOPS
 *   volume FRAME CHANNEL VOLUME  only when it changes
 *   halt FRAME CHANNEL
 *   free FRAME CHUNK */
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>

#define NEXT(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))
#define CHANNELS 64

static FILE *logFile;
static volatile long long framesMixed;
static int lastVolume[CHANNELS];

static FILE *stemLog(void) {
    if (logFile == NULL) {
        const char *path = getenv("VELMORA_STEM_LOG");
        logFile = path != NULL ? fopen(path, "w") : NULL;
        for (int c = 0; c < CHANNELS; c++) {
            lastVolume[c] = -1;
        }
    }
    return logFile;
}

static long long mixedSoFar(void) {
    return __atomic_load_n(&framesMixed, __ATOMIC_ACQUIRE);
}

static void countMixed(void *unused, Uint8 *stream, int bytes) {
    (void)unused;
    (void)stream;
    __atomic_add_fetch(&framesMixed, bytes / 4, __ATOMIC_RELEASE);
}

static void note(const char *format, ...) __attribute__((format(printf, 1, 2)));
static void note(const char *format, ...) {
    FILE *out = stemLog();
    if (out == NULL) {
        return;
    }
    va_list args;
    va_start(args, format);
    vfprintf(out, format, args);
    va_end(args);
    fflush(out);
}

int Mix_OpenAudio(int frequency, Uint16 format, int channels, int chunksize) {
    const int result = NEXT(Mix_OpenAudio)(frequency, format, channels, chunksize);
    if (result == 0) {
        Mix_SetPostMix(countMixed, NULL);
        note("open %d %d %d\n", frequency, format, channels);
    }
    return result;
}

Mix_Chunk *Mix_LoadWAV_RW(SDL_RWops *source, int freeSource) {
    Mix_Chunk *chunk = NEXT(Mix_LoadWAV_RW)(source, freeSource);
    if (chunk != NULL) {
        unsigned long long sum = 0;
        for (Uint32 i = 0; i < chunk->alen; i++) {
            sum += (unsigned long long)chunk->abuf[i] * (i % 251 + 1);
        }
        note("load %p %u %llu\n", (void *)chunk, chunk->alen, sum & 0xffffffffull);
    }
    return chunk;
}

int Mix_PlayChannelTimed(int channel, Mix_Chunk *chunk, int loops, int ticks) {
    const int playing = NEXT(Mix_PlayChannelTimed)(channel, chunk, loops, ticks);
    if (playing >= 0) {
        note("play %lld %d %p %d\n", mixedSoFar(), playing, (void *)chunk, loops);
    }
    return playing;
}

int Mix_Volume(int channel, int volume) {
    const int previous = NEXT(Mix_Volume)(channel, volume);
    if (volume >= 0 && channel >= 0 && channel < CHANNELS && stemLog() != NULL) {
        const int set = volume > MIX_MAX_VOLUME ? MIX_MAX_VOLUME : volume;
        if (set != lastVolume[channel]) {
            lastVolume[channel] = set;
            note("volume %lld %d %d\n", mixedSoFar(), channel, set);
        }
    }
    return previous;
}

int Mix_HaltChannel(int channel) {
    note("halt %lld %d\n", mixedSoFar(), channel);
    return NEXT(Mix_HaltChannel)(channel);
}

void Mix_FreeChunk(Mix_Chunk *chunk) {
    note("free %lld %p\n", mixedSoFar(), (void *)chunk);
    NEXT(Mix_FreeChunk)(chunk);
}
