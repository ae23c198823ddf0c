#include "PtyLink.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace ft897sim {

namespace {

std::runtime_error SystemError(const std::string &what)
{
    return std::runtime_error(what + ": " + std::strerror(errno));
}

void MakeRaw(int fd)
{
    termios tio{};
    if (tcgetattr(fd, &tio) != 0) {
        throw SystemError("tcgetattr");
    }
    cfmakeraw(&tio);
    if (tcsetattr(fd, TCSANOW, &tio) != 0) {
        throw SystemError("tcsetattr");
    }
}

} // namespace

PtyLink::PtyLink(std::string linkPath) : linkPath_(std::move(linkPath))
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0) {
        throw SystemError("posix_openpt");
    }
    try {
        if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
            throw SystemError("grantpt/unlockpt");
        }
        const char *name = ptsname(master_);
        if (name == nullptr) {
            throw SystemError("ptsname");
        }
        slavePath_ = name;
        slave_ = ::open(name, O_RDWR | O_NOCTTY);
        if (slave_ < 0) {
            throw SystemError("open " + slavePath_);
        }
        MakeRaw(slave_);
        struct stat st {};
        if (lstat(linkPath_.c_str(), &st) == 0) {
            if (!S_ISLNK(st.st_mode)) {
                throw std::runtime_error(linkPath_ + " exists and is not a symbolic link");
            }
            ::unlink(linkPath_.c_str());
        }
        if (symlink(slavePath_.c_str(), linkPath_.c_str()) != 0) {
            throw SystemError("symlink " + linkPath_);
        }
    } catch (...) {
        if (slave_ >= 0) {
            ::close(slave_);
        }
        ::close(master_);
        throw;
    }
}

PtyLink::~PtyLink()
{
    char target[4096];
    const ssize_t n = readlink(linkPath_.c_str(), target, sizeof target - 1);
    if (n > 0 && std::string(target, static_cast<std::size_t>(n)) == slavePath_) {
        ::unlink(linkPath_.c_str());
    }
    ::close(slave_);
    ::close(master_);
}

} // namespace ft897sim
