#include <gtest/gtest.h>

#include "platform/inputTrack.h"
#include "platform/keyCodes.h"

namespace {

inputTrack parsed(const std::string &text) {
    inputTrack track;
    std::string error;
    EXPECT_TRUE(parseInputTrack(text, track, error)) << error;
    return track;
}

bool rejected(const std::string &text, std::string &error) {
    inputTrack track;
    return !parseInputTrack(text, track, error);
}

} // namespace

TEST(InputTrack, ReadsPressesReleasesHeldRangesAndQuit) {
    const inputTrack track = parsed("# drive off\n"
                                    "10-20 w   # gas\n"
                                    "5 space down\n"
                                    "\n"
                                    "6 space up\n"
                                    "30 quit\n");
    ASSERT_EQ(track.events.size(), 5u);
    EXPECT_EQ(track.events[0].pass, 5);
    EXPECT_EQ(track.events[0].key, keyCode::space);
    EXPECT_TRUE(track.events[0].down);
    EXPECT_EQ(track.events[1].pass, 6);
    EXPECT_FALSE(track.events[1].down);
    // A held range goes down at its first pass and up after its last.
    EXPECT_EQ(track.events[2].pass, 10);
    EXPECT_TRUE(track.events[2].down);
    EXPECT_EQ(track.events[3].pass, 21);
    EXPECT_FALSE(track.events[3].down);
    EXPECT_EQ(track.events[4].pass, 30);
    EXPECT_EQ(track.events[4].kind, trackEventKind::quit);
}

TEST(InputTrack, RejectsWhatItCannotReadNamingTheLine) {
    std::string error;
    EXPECT_TRUE(rejected("1 w down\n2 rightCtrl down\n", error));
    EXPECT_NE(error.find("line 2"), std::string::npos);
    for (const char *bad : {"w down", "1 w sideways", "0 w down", "-3 w down", "5-2 w", "1 w down extra",
                            "1 quit down", "1-4 quit", "x-4 w", "99999999999 w down"}) {
        EXPECT_TRUE(rejected(bad, error)) << bad;
    }
}

TEST(InputTrack, ALoadedFileThatIsMissingIsAnError) {
    inputTrack track;
    std::string error;
    EXPECT_FALSE(loadInputTrack("/nonexistent/track.txt", track, error));
    EXPECT_NE(error.find("/nonexistent/track.txt"), std::string::npos);
}

TEST(InputTrack, ALoopPlaysTheTrackAgainAndMustHoldEveryEvent) {
    const inputTrack track = parsed("loop 600\n1-500 w\n570 space down\n");
    EXPECT_EQ(track.loopPasses, 600);
    std::string error;
    // Released at pass 601, which the loop never reaches: the key would stay down for ever.
    EXPECT_TRUE(rejected("loop 600\n1-600 w\n", error));
    EXPECT_NE(error.find("after the loop"), std::string::npos);
    for (const char *bad : {"loop", "loop 0", "loop x", "loop 5 6", "loop 5\nloop 6"}) {
        EXPECT_TRUE(rejected(bad, error)) << bad;
    }
}
