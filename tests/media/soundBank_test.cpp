// The sound bank: which sounds play on which channels and how the loop volumes move, heard
// through a recording mixer; then the real mixer on the dummy device with the generated files.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/sceneOfPass.h"
#include "levels/tileCodes.h"
#include "media/soundBank.h"
#include "objects/worldRig.h"
#include "support/sdlTestEnvironment.h"

namespace {

struct playCall {
    int channel;
    Mix_Chunk *chunk;
    int loops;
};

// What the bank asked of the mixer. Channels for one-shots are handed out from 9 upwards.
struct mixerLog {
    std::vector<playCall> plays;
    std::map<int, int> volumes; // the last volume set on each channel
    std::vector<int> halts;
    int nextFreeChannel = titleChannel + 1;
    bool channelsFree = true;
    int loaded = 0;
    int freed = 0;
    int reserved = 0;

    void forget() {
        plays.clear();
        volumes.clear();
        halts.clear();
        nextFreeChannel = titleChannel + 1;
    }
};

mixerLog heard;
Mix_Chunk fakeChunks[32];

int recordPlay(int channel, Mix_Chunk *chunk, int loops, int) {
    heard.plays.push_back({channel, chunk, loops});
    if (channel >= 0) {
        return channel;
    }
    return heard.channelsFree ? heard.nextFreeChannel++ : -1;
}
int recordVolume(int channel, int volume) {
    return heard.volumes[channel] = volume;
}
int recordHalt(int channel) {
    heard.halts.push_back(channel);
    return 0;
}
int grantChannels(int count) {
    return count;
}
int reserveChannels(int count) {
    return heard.reserved = count;
}
Mix_Chunk *fakeLoad(SDL_RWops *source, int freeSource) {
    if (freeSource != 0) {
        SDL_RWclose(source);
    }
    return &fakeChunks[heard.loaded++];
}
void countFree(Mix_Chunk *) {
    heard.freed++;
}
bool deviceOpen() {
    return true;
}

constexpr mixerCalls recordingMixer{recordPlay,      recordVolume, recordHalt, grantChannels,
                                    reserveChannels, fakeLoad,     countFree,  deviceOpen};

// One pass of the sound bank, hearing the scene the state logic would describe.
void hear(soundBank &bank, worldRig &rig, gameState state) {
    static scene pass;
    describeSound(state, rig.world, rig.levels, rig.parts->keyboard, pass);
    bank.updateSound(pass);
}

class SoundBank : public testing::Test {
  protected:
    worldRig rig;
    playerCar &car = rig.world.car;
    soundBank bank;

    void SetUp() override {
        heard = {};
        rig.levels.current = 1;
        car.speed = 0;
        car.flashFired = car.refused = false;
        bank.mixer = recordingMixer;
        bank.loadSounds();
        bank.startLoops();
        heard.forget();
    }

    void run(gameState state, int passes = 1) {
        for (int pass = 0; pass < passes; pass++) {
            hear(bank, rig, state);
        }
    }

    void press(keyCode key) { rig.parts->keyboard.pressed[keyIndex(key)] = true; }

    // Puts the car in the middle of a tile of the given ground.
    void parkOn(int32_t ground) {
        const int32_t tile = ground == groundCode::dirt ? 6 : 5;
        rig.levels.levels[1]->groundGrid[tile][tile] = ground;
        car.x = car.y = tile + 0.5;
    }

    // The n-th object of a kind in the table, placed or not, asking for its sound.
    basicObj &cue(objectKind kind, double dx, int nth = 0) {
        for (basicObj *object : rig.world.objects) {
            if (object->kind == kind && nth-- == 0) {
                object->x = car.x + dx;
                object->y = car.y;
                object->soundCue = true;
                return *object;
            }
        }
        throw std::runtime_error("no object of that kind");
    }

    std::vector<Mix_Chunk *> effectsPlayed() const {
        std::vector<Mix_Chunk *> chunks;
        for (const playCall &play : heard.plays) {
            chunks.push_back(play.chunk);
        }
        return chunks;
    }
};

TEST_F(SoundBank, StartsEightSilentLoopsAndRestsEveryOtherChannel) {
    heard = {};
    bank.startLoops();
    const Mix_Chunk *loops[] = {bank.trackA, bank.trackB2, bank.trackC2, bank.rev[0],
                                bank.rev[1], bank.rev[2],  bank.rev[3],  bank.gravel};
    ASSERT_EQ(heard.plays.size(), 8u);
    for (int channel = 0; channel < loopChannelCount; channel++) {
        EXPECT_EQ(heard.plays[channel].channel, channel);
        EXPECT_EQ(heard.plays[channel].chunk, loops[channel]);
        EXPECT_EQ(heard.plays[channel].loops, -1);
        EXPECT_EQ(heard.volumes[channel], 0);
    }
    for (int channel = titleChannel; channel < mixChannelCount; channel++) {
        EXPECT_EQ(heard.volumes[channel], 20) << channel;
    }
    EXPECT_EQ(heard.volumes.size(), 30u);
    EXPECT_EQ(heard.reserved, 9); // one-shots look for a channel from 9 up
}

TEST_F(SoundBank, FreesEveryLoadedSoundOnce) {
    bank.freeSounds();
    bank.freeSounds();
    EXPECT_EQ(heard.freed, heard.loaded);
    EXPECT_EQ(heard.loaded, 23);
    EXPECT_EQ(bank.menu2, nullptr);
}

TEST_F(SoundBank, TitleMusicStartsOnceThenFadesOutOverThirtyPassesOfPlay) {
    run(gameState::title, 3);
    ASSERT_EQ(heard.plays.size(), 1u);
    EXPECT_EQ(heard.plays[0].channel, titleChannel);
    EXPECT_EQ(heard.plays[0].chunk, bank.menu);
    EXPECT_EQ(heard.plays[0].loops, -1);
    EXPECT_EQ(heard.volumes[titleChannel], 30);

    for (int expected = 29; expected >= 0; expected--) {
        run(gameState::inGame);
        EXPECT_EQ(heard.volumes[titleChannel], expected);
    }
    EXPECT_TRUE(heard.halts.empty());
    run(gameState::inGame, 2);
    EXPECT_EQ(heard.halts, std::vector<int>{titleChannel});
    EXPECT_FALSE(bank.titlePlaying);

    // Back at the title after a reset, the music starts again.
    bank.resetSound();
    heard.forget();
    run(gameState::title);
    ASSERT_EQ(heard.plays.size(), 1u);
    EXPECT_EQ(heard.plays[0].chunk, bank.menu);
}

TEST_F(SoundBank, LevelMusicRisesStepByStepWhileTheOtherLayersFall) {
    bank.musicVolume[0] = 10;
    bank.musicVolume[2] = 30;
    rig.levels.levels[1]->music = 2;
    run(gameState::inGame);
    EXPECT_EQ(heard.volumes[0], 9);
    EXPECT_EQ(heard.volumes[1], 1);
    EXPECT_EQ(heard.volumes[2], 29);
    run(gameState::inGame, 29);
    EXPECT_EQ(heard.volumes[0], 0);
    EXPECT_EQ(heard.volumes[1], 20);
    EXPECT_EQ(heard.volumes[2], 0);
}

TEST_F(SoundBank, EngineNoteAndGravelFollowTheCarAndTheGround) {
    bank.gravelVolume = 25;
    parkOn(groundCode::road);
    run(gameState::inGame, 40);
    EXPECT_EQ(heard.volumes[firstRevChannel], 40);
    EXPECT_EQ(heard.volumes[gravelChannel], 0);

    parkOn(groundCode::dirt);
    car.speed = 25;
    run(gameState::inGame, 100);
    EXPECT_EQ(heard.volumes[firstRevChannel + 0], 0);
    EXPECT_EQ(heard.volumes[firstRevChannel + 2], 100);
    EXPECT_EQ(heard.volumes[gravelChannel], 25);

    // Reversing over dirt keeps the crunch; faster than every band keeps the note.
    car.speed = -2;
    run(gameState::inGame, 10);
    EXPECT_EQ(heard.volumes[gravelChannel], 25);
    car.speed = 45;
    run(gameState::inGame, 10);
    EXPECT_EQ(bank.revTarget[0], 40);
}

TEST_F(SoundBank, FlashAndRefusalVariantsTakeTurns) {
    car.flashFired = true;
    run(gameState::inGame, 4);
    car.flashFired = false;
    car.refused = true;
    run(gameState::inGame, 3);
    const std::vector<Mix_Chunk *> expected = {bank.flash[0], bank.flash[1], bank.flash[2], bank.flash[0],
                                               bank.click[0], bank.click[1], bank.click[0]};
    EXPECT_EQ(effectsPlayed(), expected);
    for (int channel = 9; channel < 16; channel++) {
        EXPECT_EQ(heard.volumes[channel], 30) << channel;
    }
}

TEST_F(SoundBank, TwoCuesInOnePassPlayOnTwoChannelsAsLoudAsTheyAreNear) {
    cue(objectKind::lamp, 2.0, 0);
    cue(objectKind::lamp, 1.0, 1);
    cue(objectKind::ghostCar, 0.2);
    run(gameState::inGame);
    EXPECT_EQ(effectsPlayed(), (std::vector<Mix_Chunk *>{bank.lamp, bank.lamp, bank.alarm}));
    EXPECT_EQ(heard.volumes[9], 30);
    EXPECT_EQ(heard.volumes[10], 60);
    EXPECT_EQ(heard.volumes[11], 128);
}

TEST_F(SoundBank, CueOnTheCarsOwnSpotPlaysAtTheChannelsVolume) {
    cue(objectKind::lamp, 0.0);
    cue(objectKind::moon, 0.0).mode = objectMode::repel;
    run(gameState::inGame);
    EXPECT_EQ(effectsPlayed(), (std::vector<Mix_Chunk *>{bank.lamp, bank.moonBeat}));
    EXPECT_EQ(heard.volumes.count(9), 0u);
    EXPECT_EQ(heard.volumes.count(10), 0u);
}

TEST_F(SoundBank, EachKindCuesItsOwnSound) {
    cue(objectKind::moon, 10.0).mode = objectMode::repel;
    cue(objectKind::flame, 3.0);
    cue(objectKind::statue, 3.0, 0).frame = 0;
    cue(objectKind::statue, 3.0, 1).frame = 1;
    cue(objectKind::tree, 3.0);
    cue(objectKind::lightning, 3.0);
    cue(objectKind::butterfly, 3.0); // has no sound
    run(gameState::inGame);
    // In table order: trees, statues, the moon, flames, lightning.
    const std::vector<Mix_Chunk *> expected = {bank.save,     bank.statue,     bank.crush,
                                               bank.moonBeat, bank.flameChime, bank.crush};
    EXPECT_EQ(effectsPlayed(), expected);
    EXPECT_EQ(heard.volumes[12], 30); // the repelling moon is heard from afar
    EXPECT_EQ(heard.volumes[13], 20);
}

TEST_F(SoundBank, EffectWithNoFreeChannelIsDropped) {
    heard.channelsFree = false;
    cue(objectKind::lamp, 1.0);
    car.flashFired = true;
    run(gameState::inGame);
    EXPECT_EQ(heard.plays.size(), 2u);
    EXPECT_EQ(heard.volumes.size(), 8u); // the loops only
    EXPECT_EQ(bank.flashIndex, 1);
}

TEST_F(SoundBank, MenusBlipOnTheirOwnKeys) {
    press(keyCode::enter);
    press(keyCode::down);
    press(keyCode::w);
    press(keyCode::esc);
    bank.revVolume[0] = 50;
    run(gameState::introMenu);
    EXPECT_EQ(effectsPlayed(), (std::vector<Mix_Chunk *>{bank.menu2, bank.menu3, bank.menu3}));
    EXPECT_EQ(heard.volumes.count(firstRevChannel), 0u); // the loops are left alone

    heard.forget();
    run(gameState::title);
    EXPECT_EQ(effectsPlayed(), (std::vector<Mix_Chunk *>{bank.menu, bank.menu2}));

    heard.forget();
    rig.parts->keyboard.pressed[keyIndex(keyCode::enter)] = false;
    run(gameState::paused);
    EXPECT_EQ(effectsPlayed(), (std::vector<Mix_Chunk *>{bank.menu2, bank.menu3, bank.menu3}));
    EXPECT_EQ(heard.volumes[11], 30);
}

TEST_F(SoundBank, PauseAndEveryOtherStateFadeTheWorldDown) {
    bank.musicVolume[1] = 3;
    bank.revVolume[2] = 100;
    bank.revTarget[2] = 100;
    bank.gravelVolume = 2;
    bank.titleFade = 12;
    run(gameState::paused, 3);
    EXPECT_EQ(heard.volumes[1], 0);
    EXPECT_EQ(heard.volumes[firstRevChannel + 2], 97);
    EXPECT_EQ(heard.volumes[gravelChannel], 0);
    EXPECT_EQ(bank.revTarget[2], 97);
    EXPECT_EQ(heard.volumes.count(titleChannel), 0u);
    run(gameState::logoAnim, 97);
    EXPECT_EQ(heard.volumes[firstRevChannel + 2], 0);
    run(gameState::logoAnim);
    EXPECT_EQ(bank.revVolume[2], 0);
    EXPECT_TRUE(heard.plays.empty());
}

// The real mixer, as the game uses it.

// Every state with something to play: flashes, clicks, cues and menu keys.
void exerciseEveryState(soundBank &bank, worldRig &rig, int passes) {
    for (int pass = 0; pass < passes; pass++) {
        rig.world.car.speed = pass % 50;
        rig.world.car.flashFired = pass % 7 == 0;
        rig.world.car.refused = pass % 11 == 0;
        rig.world.objects[pass % objectCount]->soundCue = pass % 3 == 0;
        rig.parts->keyboard.pressed[keyIndex(keyCode::enter)] = pass % 5 == 0;
        static const gameState states[] = {gameState::logoAnim, gameState::title, gameState::introMenu,
                                           gameState::inGame, gameState::paused};
        hear(bank, rig, states[pass * 5 / passes]);
    }
}

TEST(SoundBankDevice, WithoutAnAudioDeviceEveryCallIsHarmless) {
    if (Mix_QuerySpec(nullptr, nullptr, nullptr) != 0) {
        GTEST_SKIP() << "an earlier test left the audio device open";
    }
    worldRig rig;
    soundBank bank;
    bank.loadSounds();
    EXPECT_EQ(bank.menu, nullptr);
    bank.startLoops();
    EXPECT_EQ(bank.channelCount, 0);
    exerciseEveryState(bank, rig, 200);
    bank.freeSounds();
}

// Opens the dummy audio device the way the game opens its own.
class SoundBankDeviceOpen : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048), 0) << Mix_GetError();
    }
    void TearDown() override {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
};

TEST_F(SoundBankDeviceOpen, MissingSoundsFolderPlaysNothing) {
    temporaryFolder empty;
    const std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::current_path(empty.path());
    worldRig rig;
    soundBank bank;
    bank.loadSounds();
    std::filesystem::current_path(home);

    EXPECT_EQ(bank.trackA, nullptr);
    bank.startLoops();
    EXPECT_EQ(bank.channelCount, 30);
    EXPECT_EQ(Mix_Playing(-1), 0);
    exerciseEveryState(bank, rig, 200);
    EXPECT_EQ(Mix_Playing(-1), 0);
    bank.freeSounds();
}

// The loops play from start-up at volume 0: nothing is audible until a volume rises, and
// nothing once the sounds are freed, so the game may leave the device without playing it out.
TEST_F(SoundBankDeviceOpen, AudibleOnlyWhileAChannelPlaysAboveSilence) {
    worldRig rig;
    soundBank bank;
    bank.loadSounds();
    bank.startLoops();
    EXPECT_GT(Mix_Playing(-1), 0);
    EXPECT_FALSE(bank.audible());
    hear(bank, rig, gameState::title);
    EXPECT_TRUE(bank.audible());
    bank.freeSounds();
    EXPECT_FALSE(bank.audible());
}

TEST_F(SoundBankDeviceOpen, GeneratedSoundsPlayThroughHundredsOfPasses) {
    worldRig rig;
    soundBank bank;
    bank.loadSounds();
    for (Mix_Chunk *chunk :
         {bank.click[0],   bank.click[1], bank.flash[0], bank.flash[1], bank.flash[2], bank.rev[0],
          bank.rev[1],     bank.rev[2],   bank.rev[3],   bank.save,     bank.trackA,   bank.trackB2,
          bank.trackC2,    bank.menu,     bank.gravel,   bank.lamp,     bank.alarm,    bank.crush,
          bank.flameChime, bank.moonBeat, bank.statue,   bank.menu3,    bank.menu2}) {
        ASSERT_NE(chunk, nullptr);
    }
    bank.startLoops();
    for (int channel = 0; channel < loopChannelCount; channel++) {
        EXPECT_TRUE(Mix_Playing(channel)) << channel;
    }
    exerciseEveryState(bank, rig, 400);

    // Standing still in the game settles on the idle note.
    rig.world.car.speed = 0;
    for (int pass = 0; pass < 130; pass++) {
        hear(bank, rig, gameState::inGame);
    }
    EXPECT_EQ(Mix_Volume(firstRevChannel, -1), 40);
    EXPECT_EQ(Mix_Playing(titleChannel), 0);
    // With the effect channels cleared the next one-shot goes above the silent title channel.
    for (int channel = titleChannel + 1; channel < mixChannelCount; channel++) {
        Mix_HaltChannel(channel);
    }
    EXPECT_EQ(bank.playEffect(bank.lamp, 10), titleChannel + 1);
    bank.freeSounds();
    EXPECT_EQ(bank.menu, nullptr);
}

} // namespace
