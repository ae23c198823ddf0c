#include "FrameLog.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace ft897sim {

FrameLog::~FrameLog()
{
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool FrameLog::open(const std::string &path, std::string &error)
{
    path_ = path;
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    // Writes wait for the file as usual once it is open.
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    return true;
}

void FrameLog::writeLine(const std::string &line)
{
    if (fd_ < 0 || failed_) {
        return;
    }
    const std::string text = line + '\n';
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            failed_ = true;
            std::cerr << "ft897-sim: cannot write the log " << path_ << ": "
                      << (n < 0 ? std::strerror(errno) : "nothing written")
                      << "; the log stops here\n";
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

} // namespace ft897sim
