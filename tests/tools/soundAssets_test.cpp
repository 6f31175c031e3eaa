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

#include "media/soundFileTable.h"
#include "support/buildPaths.h"

namespace {

namespace fs = std::filesystem;

constexpr int sampleRate = 44100;

// Where the generator wrote the wave file.
std::string assetPath(soundFile file) {
    return std::string(builtAssetsDir) + "/" + soundFilePath(file);
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

wavFile load(soundFile file) {
    return readWav(assetPath(file));
}

double seconds(const wavFile &wav) {
    return static_cast<double>(wav.frames()) / sampleRate;
}

// One filter stage of the loudness meter's ear: b over a, with a0 = 1.
struct biquad {
    double b0, b1, b2, a1, a2, z1 = 0.0, z2 = 0.0;
    double process(double x) {
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
};

// BS.1770's K-weighting at 44.1 kHz: a 4 dB shelf above about 1.7 kHz, then a cut under 38 Hz.
std::vector<biquad> earFilters() {
    const double pi = 3.14159265358979323846;
    const double gain = std::pow(10.0, 3.999843853973347 / 40.0);
    double w = 2.0 * pi * 1681.974450955533 / sampleRate;
    double alpha = std::sin(w) / (2.0 * 0.7071752369554196), c = std::cos(w);
    const double root = 2.0 * std::sqrt(gain) * alpha;
    double a0 = (gain + 1) - (gain - 1) * c + root;
    const biquad shelf = {gain * ((gain + 1) + (gain - 1) * c + root) / a0,
                          -2 * gain * ((gain - 1) + (gain + 1) * c) / a0,
                          gain * ((gain + 1) + (gain - 1) * c - root) / a0,
                          2 * ((gain - 1) - (gain + 1) * c) / a0, ((gain + 1) - (gain - 1) * c - root) / a0};
    w = 2.0 * pi * 38.13547087602444 / sampleRate;
    alpha = std::sin(w) / (2.0 * 0.5003270373238773);
    c = std::cos(w);
    a0 = 1 + alpha;
    const biquad cut = {(1 + c) / 2 / a0, -(1 + c) / a0, (1 + c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0};
    return {shelf, cut};
}

// Integrated loudness (LUFS) of a file as a listener hears it played once: 400 ms blocks of
// the ear-weighted signal every 100 ms, those under -70 LUFS and then those 10 LU under the
// mean of the rest left out.
double loudnessOf(const wavFile &wav) {
    std::vector<double> energy(wav.frames() + 1, 0.0);
    for (const std::vector<int16_t> *channel : {&wav.left, &wav.right}) {
        std::vector<biquad> ear = earFilters();
        double sum = 0.0;
        for (size_t i = 0; i < channel->size(); ++i) {
            const double y = ear[1].process(ear[0].process((*channel)[i] / 32768.0));
            sum += y * y;
            energy[i + 1] += sum;
        }
    }
    const auto lufs = [](double meanSquare) { return -0.691 + 10.0 * std::log10(meanSquare); };
    const size_t block = sampleRate * 4 / 10;
    std::vector<double> blocks;
    for (size_t at = 0; at + block <= wav.frames(); at += block / 4) {
        const double meanSquare = (energy[at + block] - energy[at]) / block;
        if (meanSquare > 0.0 && lufs(meanSquare) > -70.0) {
            blocks.push_back(meanSquare);
        }
    }
    double all = 0.0, kept = 0.0;
    for (const double b : blocks) {
        all += b;
    }
    const double gate = lufs(all / static_cast<double>(blocks.size())) - 10.0;
    size_t count = 0;
    for (const double b : blocks) {
        if (lufs(b) > gate) {
            kept += b;
            ++count;
        }
    }
    return lufs(kept / static_cast<double>(count));
}

// What the player hears of a file on a channel at volume (of 128): the mixer scales linearly.
double heardAt(const wavFile &wav, int volume) {
    return loudnessOf(wav) + 20.0 * std::log10(volume / 128.0);
}

// How strongly each semitone from C2 to C7 sounds through one bar (both channels, Goertzel).
std::vector<double> pitchProfile(const wavFile &wav, size_t from, size_t frames) {
    const double pi = 3.14159265358979323846;
    std::vector<double> profile;
    double norm = 0.0;
    for (int midi = 36; midi <= 96; ++midi) {
        const double coefficient =
            2.0 * std::cos(2.0 * pi * 440.0 * std::pow(2.0, (midi - 69) / 12.0) / sampleRate);
        double s1 = 0.0, s2 = 0.0;
        for (size_t i = from; i < from + frames; ++i) {
            const double s0 = (wav.left[i] + wav.right[i]) / 65536.0 + coefficient * s1 - s2;
            s2 = s1;
            s1 = s0;
        }
        const double magnitude = std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - coefficient * s1 * s2));
        profile.push_back(magnitude);
        norm += magnitude * magnitude;
    }
    for (double &value : profile) {
        value /= std::sqrt(norm);
    }
    return profile;
}

// Bars whose harmony and melody differ from every bar before them. A bar played again, with
// the same chord, the same notes and the same bar before it, sounds alike within 0.97.
int distinctBars(const wavFile &wav, size_t barFrames) {
    std::vector<std::vector<double>> seen;
    int distinct = 0;
    for (size_t from = 0; from + barFrames <= wav.frames(); from += barFrames) {
        const std::vector<double> profile = pitchProfile(wav, from, barFrames);
        bool alike = false;
        for (const std::vector<double> &earlier : seen) {
            double similarity = 0.0;
            for (size_t k = 0; k < profile.size(); ++k) {
                similarity += profile[k] * earlier[k];
            }
            alike = alike || similarity > 0.97;
        }
        distinct += alike ? 0 : 1;
        seen.push_back(profile);
    }
    return distinct;
}

TEST(SoundAssets, EveryFileIsSixteenBitStereoPcmAt44k) {
    uintmax_t totalBytes = 0;
    for (const soundFileRow &sound : soundFileTable) {
        SCOPED_TRACE(soundFilePath(sound.file));
        const std::string path = assetPath(sound.file);
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
    // The game holds every sound decoded, much as the files hold them: the music's long loops
    // are most of it.
    EXPECT_LT(totalBytes, 40u * 1024 * 1024);
}

TEST(SoundAssets, MixerLoadsEveryFile) {
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    for (const soundFileRow &sound : soundFileTable) {
        SCOPED_TRACE(soundFilePath(sound.file));
        Mix_Chunk *chunk = Mix_LoadWAV_RW(SDL_RWFromFile(assetPath(sound.file).c_str(), "rb"), 1);
        ASSERT_NE(chunk, nullptr) << Mix_GetError();
        // The device has the files' own format, so nothing is converted and no sample is lost.
        EXPECT_EQ(chunk->alen, load(sound.file).dataBytes);
        Mix_FreeChunk(chunk);
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TEST(SoundAssets, LoopsWrapWithoutAJumpAndAreAudible) {
    for (const soundFileRow &sound : soundFileTable) {
        if (!sound.loops) {
            continue;
        }
        SCOPED_TRACE(soundFilePath(sound.file));
        const wavFile wav = load(sound.file);
        ASSERT_GT(wav.frames(), static_cast<size_t>(sampleRate / 2));
        for (const std::vector<int16_t> *channel : {&wav.left, &wav.right}) {
            const seam wrap = seamOf(*channel);
            EXPECT_LE(wrap.wrapStep, wrap.ordinaryStep + 2);
            // Audible: the engine's notes, scaled for loud channels, are the quietest files.
            EXPECT_GT(rmsOf(*channel), 0.01f);
            // An offset on a looping channel turns every volume step into a tick.
            EXPECT_LT(std::fabs(meanOf(*channel)), 0.005f);
        }
    }
}

TEST(SoundAssets, OneShotsAreShortAndStartAndEndInSilence) {
    const int nearSilence = 33; // 0.1 % of full scale
    for (const soundFileRow &sound : soundFileTable) {
        if (sound.loops) {
            continue;
        }
        SCOPED_TRACE(soundFilePath(sound.file));
        const wavFile wav = load(sound.file);
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
    const size_t music = load(soundFile::trackA).frames();
    EXPECT_EQ(load(soundFile::trackB2).frames(), music);
    EXPECT_EQ(load(soundFile::trackC2).frames(), music);
    const size_t engine = load(soundFile::rev0).frames();
    for (const soundFile note : {soundFile::rev1, soundFile::rev2, soundFile::rev3}) {
        EXPECT_EQ(load(note).frames(), engine) << soundFilePath(note);
    }
}

// A level plays one layer for minutes: each is a piece with a form, not a phrase heard over and
// over. The layers are 16 bars at 90 beats a minute, the title 12 at 84.
TEST(SoundAssets, MusicLoopsAreLongPiecesOfManyBars) {
    const size_t nightBar = sampleRate * 60 / 90 * 4, titleBar = sampleRate * 60 / 84 * 4;
    for (const soundFile layer : {soundFile::trackA, soundFile::trackB2, soundFile::trackC2}) {
        SCOPED_TRACE(soundFilePath(layer));
        const wavFile wav = load(layer);
        EXPECT_GE(seconds(wav), 40.0);
        EXPECT_EQ(wav.frames() % nightBar, 0u); // the layers change on the beat
        EXPECT_GE(distinctBars(wav, nightBar), 8);
    }
    const wavFile title = load(soundFile::menu);
    EXPECT_GE(seconds(title), 30.0);
    EXPECT_GE(distinctBars(title, titleBar), 8);
    // Six seconds of stones with no pattern: a shorter loop's stones are heard coming round.
    EXPECT_GE(seconds(load(soundFile::gravel)), 6.0);
}

// The level's music plays one layer at 10, 20 or 30 of 128: a change of layer changes the
// texture, not how loud the music is; and the engine, at the volumes of driving on dirt (80)
// and on the road (100), stays near the quietest layer, so the music carries over the drive.
TEST(SoundAssets, MusicLayersAreHeardAlikeAndOverTheEngine) {
    const double a = heardAt(load(soundFile::trackA), 10);
    const double b = heardAt(load(soundFile::trackB2), 20);
    const double c = heardAt(load(soundFile::trackC2), 30);
    EXPECT_LE(std::max({a, b, c}) - std::min({a, b, c}), 4.0) << a << " " << b << " " << c;
    EXPECT_LE(heardAt(load(soundFile::rev1), 80), a + 3.0);
    EXPECT_LE(heardAt(load(soundFile::rev2), 100), a + 3.0);
}

TEST(SoundAssets, EngineNotesRiseInPitch) {
    double previous = 0.0;
    for (const soundFile note : {soundFile::rev0, soundFile::rev1, soundFile::rev2, soundFile::rev3}) {
        const double hz = fundamentalHz(load(note).left);
        EXPECT_GT(hz, previous * 1.15) << soundFilePath(note);
        previous = hz;
    }
}

// A hunting ghost car cues its alarm every 31 frames; a longer alarm would pile up on the free channels.
TEST(SoundAssets, GhostAlarmEndsBeforeTheNextOne) {
    EXPECT_LT(load(soundFile::alarm).frames(), static_cast<size_t>(sampleRate * 31 / 60));
}

// A copy-paste slip in the generator would give two cues the same sound.
TEST(SoundAssets, EverySoundIsDistinct) {
    std::vector<std::vector<int16_t>> seen;
    for (const soundFileRow &sound : soundFileTable) {
        const std::vector<int16_t> samples = load(sound.file).left;
        EXPECT_EQ(std::find(seen.begin(), seen.end(), samples), seen.end()) << soundFilePath(sound.file);
        seen.push_back(samples);
    }
}

} // namespace
