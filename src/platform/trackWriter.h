#pragma once
// Writes a recording as the run goes: the header first, then each pass's events in one write
// at the end of the pass, so a crash or a kill leaves every pass before it in the file. A
// "reached" line marks each second that had no event, and the last pass at the close.
#include <cstddef>
#include <string>

#include "platform/inputTrack.h"

class trackWriter {
  public:
    trackWriter() = default;
    ~trackWriter();
    trackWriter(const trackWriter &) = delete;
    trackWriter &operator=(const trackWriter &) = delete;

    // Creates (or empties) the file; false with a message naming it when that fails.
    bool create(const std::string &path, std::string &error);
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
    int lastMarked = 0; // the last pass a line in the file names
    void flush();
    void fail();
};
