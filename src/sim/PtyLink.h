#pragma once

#include <string>

namespace ft897sim {

// A pseudo-terminal in raw mode whose slave is reachable through a symbolic link.
// The simulator keeps a slave descriptor of its own open, so a client closing its side
// does not leave the master reporting a hang-up.
class PtyLink {
public:
    // Replaces a stale symbolic link at linkPath; refuses to replace anything else.
    // Throws std::runtime_error on failure.
    explicit PtyLink(std::string linkPath);
    // Removes the link if it still points at this terminal.
    ~PtyLink();
    PtyLink(const PtyLink &) = delete;
    PtyLink &operator=(const PtyLink &) = delete;

    int masterFd() const { return master_; }
    const std::string &slavePath() const { return slavePath_; }
    // The line as the client set it on the slave: rate, data bits, parity and stop bits,
    // as in "9600 8N2". A serial server such as ser2net sets what its client asks for.
    std::string lineSettings() const;

private:
    std::string linkPath_;
    std::string slavePath_;
    int master_ = -1;
    int slave_ = -1;
};

} // namespace ft897sim
