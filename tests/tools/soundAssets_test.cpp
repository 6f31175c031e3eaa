// The generated sounds: every file the sound bank loads is there, in the one format the mixer is
// opened with, the loops wrap without a click, the one-shots start and stop in silence.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/buildPaths.h"

namespace {

namespace fs = std::filesystem;

struct expectedSound {
    const char *path;
    bool loops; // played forever on a channel of its own
};

// The sound bank's file table.
const expectedSound expectedSounds[] = {
    {"sounds/sfx/click/0.wav", false},    {"sounds/sfx/click/1.wav", false},
    {"sounds/sfx/flash/0.wav", false},    {"sounds/sfx/flash/1.wav", false},
    {"sounds/sfx/flash/2.wav", false},    {"sounds/sfx/rev/0.wav", true},
    {"sounds/sfx/rev/1.wav", true},       {"sounds/sfx/rev/2.wav", true},
    {"sounds/sfx/rev/3.wav", true},       {"sounds/sfx/save.wav", false},
    {"sounds/sfx/gravel.wav", true},      {"sounds/sfx/lamp.wav", false},
    {"sounds/music/trackA.wav", true},    {"sounds/music/trackB2.wav", true},
    {"sounds/music/trackC2.wav", true},   {"sounds/music/menu.wav", true},
    {"sounds/sfx/alarm.wav", false},      {"sounds/sfx/crush.wav", false},
    {"sounds/sfx/flameChime.wav", false}, {"sounds/sfx/moonBeat.wav", false},
    {"sounds/sfx/statue.wav", false},     {"sounds/sfx/menu3.wav", false},
    {"sounds/sfx/menu2.wav", false},
};

constexpr int sampleRate = 44100;

std::string assetPath(const char *relative) {
    return std::string(builtAssetsDir) + "/" + relative;
}

std::vector<uint8_t> readBytes(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

uint32_t little(const std::vector<uint8_t> &bytes, size_t at, int width) {
    uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = value << 8 | bytes[at + i];
    }
    return value;
}

bool tagAt(const std::vector<uint8_t> &bytes, size_t at, const char *tag) {
    return at + 4 <= bytes.size() && std::equal(tag, tag + 4, bytes.begin() + at);
}

struct wavFile {
    std::string problem; // empty when the file parsed
    uint32_t riffSize = 0;
    uint16_t format = 0, channels = 0, blockAlign = 0, bits = 0;
    uint32_t rate = 0, byteRate = 0, dataBytes = 0;
    std::vector<int16_t> left, right;

    size_t frames() const { return left.size(); }
};

void readFormat(const std::vector<uint8_t> &bytes, size_t at, wavFile &wav) {
    wav.format = static_cast<uint16_t>(little(bytes, at, 2));
    wav.channels = static_cast<uint16_t>(little(bytes, at + 2, 2));
    wav.rate = little(bytes, at + 4, 4);
    wav.byteRate = little(bytes, at + 8, 4);
    wav.blockAlign = static_cast<uint16_t>(little(bytes, at + 12, 2));
    wav.bits = static_cast<uint16_t>(little(bytes, at + 14, 2));
}

void readSamples(const std::vector<uint8_t> &bytes, size_t at, wavFile &wav) {
    for (size_t i = at; i + 4 <= at + wav.dataBytes; i += 4) {
        wav.left.push_back(static_cast<int16_t>(little(bytes, i, 2)));
        wav.right.push_back(static_cast<int16_t>(little(bytes, i + 2, 2)));
    }
}

// Walks the RIFF chunks; samples are read only for the 16-bit stereo layout the game uses.
wavFile readWav(const std::string &path) {
    const std::vector<uint8_t> bytes = readBytes(path);
    wavFile wav;
    if (bytes.size() < 12 || !tagAt(bytes, 0, "RIFF") || !tagAt(bytes, 8, "WAVE")) {
        wav.problem = "not a RIFF WAVE file";
        return wav;
    }
    wav.riffSize = little(bytes, 4, 4);
    if (wav.riffSize + 8 != bytes.size()) {
        wav.problem = "RIFF size does not match the file";
        return wav;
    }
    bool sawFormat = false, sawData = false;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const uint32_t size = little(bytes, at + 4, 4);
        if (at + 8 + size > bytes.size()) {
            wav.problem = "chunk runs past the end";
            return wav;
        }
        if (tagAt(bytes, at, "fmt ") && size >= 16) {
            readFormat(bytes, at + 8, wav);
            sawFormat = true;
        } else if (tagAt(bytes, at, "data") && sawFormat) {
            wav.dataBytes = size;
            if (wav.channels == 2 && wav.bits == 16) {
                readSamples(bytes, at + 8, wav);
            }
            sawData = true;
        }
        at += 8 + size + (size & 1);
    }
    if (!sawFormat || !sawData) {
        wav.problem = "missing fmt or data chunk";
    }
    return wav;
}

float peakOf(const std::vector<int16_t> &samples) {
    int peak = 0;
    for (const int16_t sample : samples) {
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return static_cast<float>(peak) / 32768.0f;
}

float rmsOf(const std::vector<int16_t> &samples) {
    double sum = 0.0;
    for (const int16_t sample : samples) {
        sum += static_cast<double>(sample) * sample;
    }
    return static_cast<float>(std::sqrt(sum / static_cast<double>(std::max<size_t>(1, samples.size()))) /
                              32768.0);
}

float meanOf(const std::vector<int16_t> &samples) {
    double sum = 0.0;
    for (const int16_t sample : samples) {
        sum += sample;
    }
    return static_cast<float>(sum / static_cast<double>(std::max<size_t>(1, samples.size())) / 32768.0);
}

// The step a looping channel takes when it wraps, against a high percentile of its ordinary steps.
struct seam {
    int wrapStep;
    int ordinaryStep;
};

seam seamOf(const std::vector<int16_t> &samples) {
    std::vector<int> steps;
    for (size_t i = 1; i < samples.size(); ++i) {
        steps.push_back(std::abs(samples[i] - samples[i - 1]));
    }
    const size_t at = steps.size() * 995 / 1000;
    std::nth_element(steps.begin(), steps.begin() + at, steps.end());
    return {std::abs(samples.front() - samples.back()), steps[at]};
}

// The lag of the strongest repetition between 20 and 200 Hz; the shortest of the near-best lags,
// so a note is not mistaken for its lower octave.
double fundamentalHz(const std::vector<int16_t> &samples) {
    const size_t window = sampleRate / 2;
    const size_t shortest = sampleRate / 200, longest = sampleRate / 20;
    std::vector<double> correlation(longest + 1, 0.0);
    double best = 0.0;
    for (size_t lag = shortest; lag <= longest; ++lag) {
        for (size_t i = 0; i < window; ++i) {
            correlation[lag] += static_cast<double>(samples[i]) * samples[i + lag];
        }
        best = std::max(best, correlation[lag]);
    }
    for (size_t lag = shortest + 1; lag < longest; ++lag) {
        const bool localPeak =
            correlation[lag] >= correlation[lag - 1] && correlation[lag] >= correlation[lag + 1];
        if (localPeak && correlation[lag] >= 0.9 * best) {
            return static_cast<double>(sampleRate) / static_cast<double>(lag);
        }
    }
    return 0.0;
}

wavFile load(const char *relative) {
    return readWav(assetPath(relative));
}

TEST(SoundAssets, EveryFileIsSixteenBitStereoPcmAt44k) {
    uintmax_t totalBytes = 0;
    for (const expectedSound &sound : expectedSounds) {
        SCOPED_TRACE(sound.path);
        const std::string path = assetPath(sound.path);
        ASSERT_TRUE(fs::is_regular_file(path));
        totalBytes += fs::file_size(path);
        const wavFile wav = readWav(path);
        ASSERT_EQ(wav.problem, "");
        EXPECT_EQ(wav.format, 1);
        EXPECT_EQ(wav.channels, 2);
        EXPECT_EQ(wav.rate, 44100u);
        EXPECT_EQ(wav.bits, 16);
        EXPECT_EQ(wav.blockAlign, 4);
        EXPECT_EQ(wav.byteRate, 44100u * 4);
        EXPECT_EQ(wav.dataBytes % 4, 0u);
        EXPECT_GT(wav.frames(), 0u);
    }
    EXPECT_LT(totalBytes, 12u * 1024 * 1024);
}

TEST(SoundAssets, MixerLoadsEveryFile) {
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    for (const expectedSound &sound : expectedSounds) {
        SCOPED_TRACE(sound.path);
        Mix_Chunk *chunk = Mix_LoadWAV_RW(SDL_RWFromFile(assetPath(sound.path).c_str(), "rb"), 1);
        ASSERT_NE(chunk, nullptr) << Mix_GetError();
        // The device has the files' own format, so nothing is converted and no sample is lost.
        EXPECT_EQ(chunk->alen, load(sound.path).dataBytes);
        Mix_FreeChunk(chunk);
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TEST(SoundAssets, LoopsWrapWithoutAJumpAndAreAudible) {
    for (const expectedSound &sound : expectedSounds) {
        if (!sound.loops) {
            continue;
        }
        SCOPED_TRACE(sound.path);
        const wavFile wav = load(sound.path);
        ASSERT_GT(wav.frames(), static_cast<size_t>(sampleRate / 2));
        for (const std::vector<int16_t> *channel : {&wav.left, &wav.right}) {
            const seam wrap = seamOf(*channel);
            EXPECT_LE(wrap.wrapStep, wrap.ordinaryStep + 2);
            EXPECT_GT(rmsOf(*channel), 0.05f);
            // An offset on a looping channel turns every volume step into a tick.
            EXPECT_LT(std::fabs(meanOf(*channel)), 0.005f);
        }
    }
}

TEST(SoundAssets, OneShotsAreShortAndStartAndEndInSilence) {
    const int nearSilence = 33; // 0.1 % of full scale
    for (const expectedSound &sound : expectedSounds) {
        if (sound.loops) {
            continue;
        }
        SCOPED_TRACE(sound.path);
        const wavFile wav = load(sound.path);
        ASSERT_GT(wav.frames(), 0u);
        EXPECT_LT(wav.frames(), static_cast<size_t>(3 * sampleRate));
        EXPECT_GT(peakOf(wav.left), 0.3f);
        for (const std::vector<int16_t> *channel : {&wav.left, &wav.right}) {
            EXPECT_LE(std::abs(channel->front()), nearSilence);
            EXPECT_LE(std::abs(channel->back()), nearSilence);
        }
    }
}

// The music layers start together and crossfade, so they must stay in step forever.
TEST(SoundAssets, MusicLayersAndEngineNotesShareTheirLoopLengths) {
    const size_t music = load("sounds/music/trackA.wav").frames();
    EXPECT_EQ(load("sounds/music/trackB2.wav").frames(), music);
    EXPECT_EQ(load("sounds/music/trackC2.wav").frames(), music);
    const size_t engine = load("sounds/sfx/rev/0.wav").frames();
    for (const char *note : {"sounds/sfx/rev/1.wav", "sounds/sfx/rev/2.wav", "sounds/sfx/rev/3.wav"}) {
        EXPECT_EQ(load(note).frames(), engine) << note;
    }
}

TEST(SoundAssets, EngineNotesRiseInPitch) {
    double previous = 0.0;
    for (const char *note :
         {"sounds/sfx/rev/0.wav", "sounds/sfx/rev/1.wav", "sounds/sfx/rev/2.wav", "sounds/sfx/rev/3.wav"}) {
        const double hz = fundamentalHz(load(note).left);
        EXPECT_GT(hz, previous * 1.15) << note;
        previous = hz;
    }
}

// A hunting ghost car cues its alarm every 31 frames; a longer alarm would pile up on the free channels.
TEST(SoundAssets, GhostAlarmEndsBeforeTheNextOne) {
    EXPECT_LT(load("sounds/sfx/alarm.wav").frames(), static_cast<size_t>(sampleRate * 31 / 60));
}

// A copy-paste slip in the generator would give two cues the same sound.
TEST(SoundAssets, EverySoundIsDistinct) {
    std::vector<std::vector<int16_t>> seen;
    for (const expectedSound &sound : expectedSounds) {
        const std::vector<int16_t> samples = load(sound.path).left;
        EXPECT_EQ(std::find(seen.begin(), seen.end(), samples), seen.end()) << sound.path;
        seen.push_back(samples);
    }
}

} // namespace
