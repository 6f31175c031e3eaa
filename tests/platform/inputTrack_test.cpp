#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include "platform/inputTrack.h"
#include "platform/keyCodes.h"
#include "platform/trackWriter.h"
#include "support/sdlTestEnvironment.h"

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

namespace {

// A recording of every kind of event, as the writer puts it in the file.
std::string recordingOf(const trackStart &start, const std::vector<trackEvent> &events, const int lastPass) {
    const temporaryFolder folder;
    {
        trackWriter writer;
        std::string error;
        EXPECT_TRUE(writer.create(folder.file("run.demo"), "/nonexistent", error)) << error;
        writer.begin(start);
        for (const trackEvent &event : events) {
            writer.add(event);
            writer.endPass(event.pass);
        }
        writer.finish(lastPass);
    }
    return readWholeFile(folder.file("run.demo"));
}

} // namespace

TEST(InputTrack, ARecordingReadsBackAsWrittenWithItsStartAndLength) {
    const trackStart start = {
        .game = "0.1.0", .settings = "0 ", .saved = "2%1+\xff\n", .options = "flash space\n"};
    const std::vector<trackEvent> events = {
        {.pass = 3, .key = keyCode::w, .down = true},
        {.pass = 4, .key = keyCode::padA, .down = false},
        {.pass = 5, .kind = trackEventKind::hat, .value = hatLeft | hatUp},
        {.pass = 6, .kind = trackEventKind::stick, .axis = 1, .value = -32768},
        {.pass = 7, .kind = trackEventKind::focusLost},
        {.pass = 9, .kind = trackEventKind::quit},
    };
    const std::string text = recordingOf(start, events, 200);
    const inputTrack track = parsed(text);
    ASSERT_TRUE(track.recorded);
    EXPECT_EQ(track.start.settings, start.settings);
    EXPECT_EQ(track.start.saved, start.saved); // every byte survives the header
    EXPECT_EQ(track.start.options, start.options);
    ASSERT_EQ(track.events.size(), events.size());
    for (size_t k = 0; k < events.size(); k++) {
        EXPECT_EQ(track.events[k].kind, events[k].kind) << k;
        EXPECT_EQ(track.events[k].key, events[k].key) << k;
        EXPECT_EQ(track.events[k].down, events[k].down) << k;
        EXPECT_EQ(track.events[k].value, events[k].value) << k;
    }
    EXPECT_EQ(trackLength(track), 200); // idle passes after the last event still count

    // A recording cut off mid-line plays up to its last whole line: "200 reached" became
    // "200 reach", and the quit at 9 ends it.
    const inputTrack cut = parsed(text.substr(0, text.size() - 3));
    EXPECT_EQ(cut.cutShortInLine, 8);
    EXPECT_EQ(cut.events.size(), events.size());
    EXPECT_EQ(trackLength(cut), 9);
    EXPECT_EQ(track.cutShortInLine, 0);
    // A header from a newer format, or cut short, is refused by name.
    std::string error;
    EXPECT_TRUE(rejected(text.substr(0, 30), error));
    EXPECT_NE(error.find("cut short in its header"), std::string::npos) << error;
    EXPECT_TRUE(rejected("velmora-track 2 game=1\n", error));
    EXPECT_NE(error.find("newer"), std::string::npos) << error;
    EXPECT_TRUE(rejected("velmora-track 1 game=0.1.0 settings=00\n", error));
}

TEST(InputTrack, ALoopFeedsEachRoundItsEventsAgain) {
    ASSERT_NE(dummyScreen(), nullptr);
    const struct {
        const char *text;
        std::vector<int> eventsEachPass; // over one round
    } cases[] = {{"loop 3\n1 w down\n3 w up\n", {1, 0, 1}}, {"loop 1\n1 w down\n", {1}}};
    for (const auto &c : cases) {
        const inputTrack track = parsed(c.text);
        trackCursor cursor;
        for (int pass = 1; pass <= 3 * track.loopPasses; pass++) {
            pushTrackEvents(track, cursor, pass);
            int seen = 0;
            for (inputEvent event; pollInputEvent(event);) {
                seen++;
            }
            EXPECT_EQ(seen, c.eventsEachPass[static_cast<size_t>((pass - 1) % track.loopPasses)])
                << c.text << " pass " << pass;
        }
    }
}

TEST(InputTrack, ARecordingReplacesOnlyAnEarlierRecordingOrAnEmptyFile) {
    const temporaryFolder folder;
    const struct {
        const char *name;
        const char *text;
        bool replaced;
    } cases[] = {{"earlier.demo", "velmora-track 1 game=0.1.0\n60 reached\n", true},
                 {"empty.demo", "", true},
                 {"notes.txt", "brake s down\n", false},
                 {"short", "velmora", false}};
    for (const auto &c : cases) {
        writeWholeFile(folder.file(c.name), c.text);
        trackWriter writer;
        std::string error;
        EXPECT_EQ(writer.create(folder.file(c.name), "/nonexistent", error), c.replaced) << c.name;
        EXPECT_EQ(readWholeFile(folder.file(c.name)), c.replaced ? "" : c.text) << c.name;
    }
}

// A disk filling up as the file-size limit gives it: a write stops partway, the next fails.
TEST(InputTrack, ARecordingThatCannotBeWrittenOnKeepsOnlyWholeLines) {
    const temporaryFolder folder;
    trackWriter writer;
    std::string error;
    ASSERT_TRUE(writer.create(folder.file("run.demo"), "/nonexistent", error)) << error;
    rlimit unlimited = {};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit small = {.rlim_cur = 400, .rlim_max = unlimited.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    writer.begin(trackStart{.game = "0.1.0", .settings = "00", .saved = "0000000", .options = ""});
    for (int pass = 1; pass <= 100; pass++) {
        writer.add({.pass = pass, .key = keyCode::w, .down = pass % 2 == 1});
        writer.endPass(pass);
    }
    writer.finish(100);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, handler);

    const std::string text = readWholeFile(folder.file("run.demo"));
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    const inputTrack track = parsed(text);
    EXPECT_TRUE(track.recorded);
    EXPECT_GT(track.events.size(), 20u);
    EXPECT_LT(track.events.size(), 100u);
}
