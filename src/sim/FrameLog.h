#pragma once

#include <string>

namespace ft897sim {

// The frame log file. Opening never waits (a FIFO nobody reads is refused); a write
// that fails later is reported on stderr once, and serving goes on without the log.
class FrameLog {
public:
    FrameLog() = default;
    ~FrameLog();
    FrameLog(const FrameLog &) = delete;
    FrameLog &operator=(const FrameLog &) = delete;

    // Creates or truncates the file; false with the reason in error when it cannot be
    // written.
    bool open(const std::string &path, std::string &error);
    bool isOpen() const { return fd_ >= 0; }
    // Writes one line and a newline at once.
    void writeLine(const std::string &line);

private:
    std::string path_;
    int fd_ = -1;
    bool failed_ = false; // a write failed and was reported
};

} // namespace ft897sim
