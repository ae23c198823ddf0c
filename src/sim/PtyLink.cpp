#include "PtyLink.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
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

// Plain words for a link that cannot be made in its directory: whose the directory is and
// what to do, instead of the bare "Permission denied".
std::runtime_error LinkError(const std::string &linkPath)
{
    const int error = errno;
    std::string dir = linkPath.substr(0, linkPath.find_last_of('/') + 1);
    dir = dir.empty() ? "." : dir.size() > 1 ? dir.substr(0, dir.size() - 1) : dir;
    const std::string head = "cannot make the link " + linkPath + ": ";
    const std::string elsewhere = "give --link a path in a directory of yours, such as /tmp/ft897.";
    struct stat st {};
    if (error == ENOENT) {
        return std::runtime_error(head + "there is no directory " + dir + ".");
    }
    if ((error != EACCES && error != EPERM) || stat(dir.c_str(), &st) != 0) {
        return std::runtime_error(head + std::strerror(error));
    }
    const passwd *owner = getpwuid(st.st_uid);
    const group *gr = getgrgid(st.st_gid);
    const std::string ownerName = owner != nullptr ? owner->pw_name : std::to_string(st.st_uid);
    const std::string groupName = gr != nullptr ? gr->gr_name : std::to_string(st.st_gid);
    std::string text = head + "you may not write in " + dir + ", which belongs to " + ownerName +
                       " and group " + groupName + "; ";
    const mode_t groupWrites = S_IWGRP | S_IXGRP;
    if ((st.st_mode & groupWrites) == groupWrites && st.st_gid != 0) {
        text += "add yourself with: sudo adduser $USER " + groupName + ", then log in again, or ";
    }
    return std::runtime_error(text + elsewhere);
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

int RateOf(speed_t speed)
{
    struct Rate {
        speed_t code;
        int bits;
    };
    static constexpr Rate kRates[] = {{B1200, 1200},   {B2400, 2400},    {B4800, 4800},
                                      {B9600, 9600},   {B19200, 19200},  {B38400, 38400},
                                      {B57600, 57600}, {B115200, 115200}};
    for (const Rate &rate : kRates) {
        if (rate.code == speed) {
            return rate.bits;
        }
    }
    return 0;
}

} // namespace

std::string PtyLink::lineSettings() const
{
    termios tio{};
    if (tcgetattr(slave_, &tio) != 0) {
        return "unknown";
    }
    const tcflag_t size = tio.c_cflag & CSIZE;
    const char dataBits = size == CS5 ? '5' : size == CS6 ? '6' : size == CS7 ? '7' : '8';
    const char parity = (tio.c_cflag & PARENB) == 0 ? 'N' : (tio.c_cflag & PARODD) ? 'O' : 'E';
    const char stopBits = (tio.c_cflag & CSTOPB) != 0 ? '2' : '1';
    return std::to_string(RateOf(cfgetospeed(&tio))) + ' ' + dataBits + parity + stopBits;
}

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
            throw LinkError(linkPath_);
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
