#include "soundWav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

namespace {

constexpr uint16_t channels = 2;
constexpr uint16_t bitsPerSample = 16;
constexpr uint16_t blockAlign = channels * bitsPerSample / 8;

// WAV fields are little-endian whatever the host is.
void putLittle(std::vector<uint8_t> &bytes, uint32_t value, int width) {
    for (int i = 0; i < width; ++i) {
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

void putTag(std::vector<uint8_t> &bytes, const char *tag) {
    bytes.insert(bytes.end(), tag, tag + 4);
}

int16_t toPcm(float sample) {
    const float clipped = std::clamp(sample, -1.0f, 1.0f);
    return static_cast<int16_t>(std::lround(clipped * 32767.0f));
}

std::vector<uint8_t> encode(const stereoSound &sound) {
    const uint32_t dataBytes = static_cast<uint32_t>(sound.frames() * blockAlign);
    std::vector<uint8_t> bytes;
    bytes.reserve(44 + dataBytes);
    putTag(bytes, "RIFF");
    putLittle(bytes, 36 + dataBytes, 4);
    putTag(bytes, "WAVE");
    putTag(bytes, "fmt ");
    putLittle(bytes, 16, 4);
    putLittle(bytes, 1, 2); // PCM
    putLittle(bytes, channels, 2);
    putLittle(bytes, sampleRate, 4);
    putLittle(bytes, sampleRate * blockAlign, 4);
    putLittle(bytes, blockAlign, 2);
    putLittle(bytes, bitsPerSample, 2);
    putTag(bytes, "data");
    putLittle(bytes, dataBytes, 4);
    for (size_t i = 0; i < sound.frames(); ++i) {
        putLittle(bytes, static_cast<uint16_t>(toPcm(sound.left[i])), 2);
        putLittle(bytes, static_cast<uint16_t>(toPcm(sound.right[i])), 2);
    }
    return bytes;
}

} // namespace

bool writeWavFile(const std::string &path, const stereoSound &sound) {
    const std::vector<uint8_t> bytes = encode(sound);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}
