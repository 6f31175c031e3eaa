#pragma once
// Where F12's pictures go: the "screenshots" folder inside the data folder, each file named by
// the local date and time it was taken ("velmora-2026-12-08-101530.png"), with "-2", "-3" …
// after a second that has one already. Writing the picture is the drawing code's.
#include <ctime>
#include <string>

inline constexpr const char *screenshotsFolderName = "screenshots";

// "velmora-2026-12-08-101530.png" for the first of that second, "velmora-…-101530-2.png" next.
std::string screenshotName(const std::tm &when, int number);

// Makes the folder when it is missing and claims a new file in it named for the time: the file
// is created empty, so no earlier picture is ever written over. Its path; empty, with the
// reason in `error`, when the folder cannot be made or no file can be created there.
std::string claimScreenshotPath(const std::string &folder, std::time_t when, std::string &error);
