#include "soundReverb.h"

#include <array>

namespace {

// Delay lengths in frames, mutually prime so the echoes do not pile up on one pitch.
constexpr std::array<size_t, 4> combLengths = {1557, 1617, 1491, 1422};
constexpr std::array<size_t, 2> allpassLengths = {556, 441};
// The right channel's delays are a little longer, which spreads the room across the stereo field.
constexpr size_t stereoSpread = 23;

class combFilter {
  public:
    explicit combFilter(size_t length) : line(length, 0.0f) {}
    float process(float input, float feedback, float damping) {
        const float out = line[at];
        lowpassed = out * (1.0f - damping) + lowpassed * damping;
        line[at] = input + lowpassed * feedback;
        at = (at + 1) % line.size();
        return out;
    }

  private:
    monoBuffer line;
    size_t at = 0;
    float lowpassed = 0.0f;
};

class allpassFilter {
  public:
    explicit allpassFilter(size_t length) : line(length, 0.0f) {}
    float process(float input) {
        const float delayed = line[at];
        line[at] = input + delayed * 0.5f;
        at = (at + 1) % line.size();
        return delayed - input;
    }

  private:
    monoBuffer line;
    size_t at = 0;
};

class roomChannel {
  public:
    explicit roomChannel(size_t spread) {
        for (const size_t length : combLengths) {
            combs.emplace_back(length + spread);
        }
        for (const size_t length : allpassLengths) {
            allpasses.emplace_back(length + spread);
        }
    }
    float process(float input, const roomSettings &room) {
        float sum = 0.0f;
        for (combFilter &comb : combs) {
            sum += comb.process(input * 0.05f, room.feedback, room.damping);
        }
        for (allpassFilter &allpass : allpasses) {
            sum = allpass.process(sum);
        }
        return sum;
    }

  private:
    std::vector<combFilter> combs;
    std::vector<allpassFilter> allpasses;
};

void reverbChannel(monoBuffer &channel, size_t spread, const roomSettings &room, bool looped) {
    roomChannel tank(spread);
    if (looped) {
        for (const float sample : channel) {
            tank.process(sample, room);
        }
    }
    for (float &sample : channel) {
        sample += room.wet * tank.process(sample, room);
    }
}

} // namespace

void reverbLoop(stereoSound &loop, const roomSettings &room) {
    reverbChannel(loop.left, 0, room, true);
    reverbChannel(loop.right, stereoSpread, room, true);
}

void reverbOneShot(stereoSound &sound, const roomSettings &room) {
    reverbChannel(sound.left, 0, room, false);
    reverbChannel(sound.right, stereoSpread, room, false);
}
