#include "PseudoTerminal.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace dorv::gui::test {

PseudoTerminal::PseudoTerminal()
{
    const int fd = posix_openpt(O_RDWR | O_NOCTTY);
    if (fd < 0) {
        return;
    }
    if (grantpt(fd) != 0 || unlockpt(fd) != 0 || ptsname(fd) == nullptr) {
        ::close(fd);
        return;
    }
    slavePath_ = QString::fromLocal8Bit(ptsname(fd));
    master_ = fd;
}

PseudoTerminal::~PseudoTerminal()
{
    hangUp();
}

QByteArray PseudoTerminal::read(int count, int timeoutMs)
{
    QByteArray got;
    QElapsedTimer elapsed;
    elapsed.start();
    while (master_ >= 0 && got.size() < count && elapsed.elapsed() < timeoutMs) {
        QCoreApplication::processEvents();
        pollfd pfd{master_, POLLIN, 0};
        if (::poll(&pfd, 1, 10) > 0 && (pfd.revents & POLLIN)) {
            char buffer[256];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) {
                got.append(buffer, static_cast<qsizetype>(n));
            }
        }
    }
    return got;
}

void PseudoTerminal::write(const QByteArray &bytes)
{
    if (master_ >= 0) {
        [[maybe_unused]] const ssize_t n = ::write(master_, bytes.constData(), bytes.size());
    }
}

termios PseudoTerminal::lineSettings() const
{
    termios settings{};
    ::tcgetattr(master_, &settings);
    return settings;
}

void PseudoTerminal::hangUp()
{
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

} // namespace dorv::gui::test
