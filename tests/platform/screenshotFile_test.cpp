#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <regex>

#include "platform/screenshotFile.h"
#include "support/sdlTestEnvironment.h"

// Screenshots go to a folder made when missing, each named by the second it was taken; a second
// that has one already numbers the next, and nothing is written over. Where no file can be
// made, there is no path and a reason instead.
TEST(ScreenshotFile, NamedByTheSecondNumberedWithinItAndRefusedWhereNothingCanBeMade) {
    const temporaryFolder folder;
    const std::string screenshots = folder.file("screenshots");
    const std::time_t when = 1700000000;
    std::string error;
    const std::string first = claimScreenshotPath(screenshots, when, error);
    const std::string name = first.substr(std::min(first.size(), screenshots.size() + 1));
    EXPECT_TRUE(std::regex_match(name, std::regex(R"(velmora-\d{4}-\d\d-\d\d-\d{6}\.png)"))) << first;
    writeWholeFile(first, "taken");
    const std::string second = claimScreenshotPath(screenshots, when, error);
    EXPECT_EQ(second, first.substr(0, first.size() - 4) + "-2.png");
    EXPECT_EQ(readWholeFile(first), "taken");

    writeWholeFile(folder.file("file"), "");
    EXPECT_EQ(claimScreenshotPath(folder.file("file/screenshots"), when, error), "");
    EXPECT_NE(error.find(folder.file("file/screenshots")), std::string::npos) << error;
}
