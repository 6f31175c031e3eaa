#pragma once
// Writes a recording as the run goes: the header first, then each pass's events in one write
// at the end of the pass, so a crash or a kill leaves every pass before it in the file. A
// "reached" line marks each second that had no event, and the last pass at the close. A write
// that fails partway (a full disk) is cut back to its last whole line, and the recording ends.
#include <cstddef>
#include <string>

#include "platform/inputTrack.h"

class trackWriter {
  public:
    trackWriter() = default;
    ~trackWriter();
    trackWriter(const trackWriter &) = delete;
    trackWriter &operator=(const trackWriter &) = delete;

    // Creates the file, or empties an earlier recording there; false with a message naming it,
    // and nothing touched, when that fails or the file is anything else: something that is
    // not a regular file (never waited on), a file holding other bytes, or anything in the
    // game's data folder, whose files must never be lost to a mistyped name.
    bool create(const std::string &path, const std::string &dataFolder, std::string &error);
    bool isOpen() const { return fd >= 0; }
    // The header line; false when it could not be written.
    bool begin(const trackStart &start);

    void add(const trackEvent &event);
    void endPass(int pass);
    // Marks the last pass, when its own events did not, and closes the file.
    void finish(int lastPass);

  private:
    static constexpr std::size_t bufferRoom = 8192;
    static constexpr int passesBetweenMarks = 60;
    int fd = -1;
    std::string path;
    char buffer[bufferRoom] = {};
    std::size_t used = 0;
    std::size_t fileBytes = 0; // all whole lines
    int lastMarked = 0;        // the last pass a line in the file names
    void flush();
    void keepWholeLines(std::size_t written);
    void fail();
};
