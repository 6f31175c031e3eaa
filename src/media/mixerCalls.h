#pragma once
// The few SDL_mixer calls the sound bank makes, held as plain function pointers so that a
// test can listen in without an audio device. The defaults are the mixer's own functions.
#include <SDL_mixer.h>

// True once Mix_OpenAudio has succeeded: without a device the bank touches no channel.
bool mixerIsOpen();

struct mixerCalls {
    int (*playChannel)(int channel, Mix_Chunk *chunk, int loops, int ticks) = Mix_PlayChannelTimed;
    int (*volume)(int channel, int volume) = Mix_Volume;
    int (*haltChannel)(int channel) = Mix_HaltChannel;
    int (*allocateChannels)(int count) = Mix_AllocateChannels;
    int (*reserveChannels)(int count) = Mix_ReserveChannels;
    Mix_Chunk *(*loadWav)(SDL_RWops *source, int freeSource) = Mix_LoadWAV_RW;
    void (*freeChunk)(Mix_Chunk *chunk) = Mix_FreeChunk;
    bool (*audioOpen)() = mixerIsOpen;
    int (*playing)(int channel) = Mix_Playing;
};
