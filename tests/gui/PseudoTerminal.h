#pragma once

#include <QByteArray>
#include <QString>
#include <termios.h>

namespace dorv::gui::test {

// A pseudo-terminal pair: the program opens the slave path like a serial
// device, the test plays the radio on the master side.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool ok() const { return master_ >= 0; }
    const QString &slavePath() const { return slavePath_; }

    // Reads from the master until count bytes came or timeoutMs passed,
    // running Qt events meanwhile.
    QByteArray read(int count, int timeoutMs = 2000);
    void write(const QByteArray &bytes);
    // The line settings the slave side was given, as the terminal holds them.
    termios lineSettings() const;
    // Closes the master: the device vanishes for whoever holds the slave.
    void hangUp();

private:
    int master_ = -1;
    QString slavePath_;
};

} // namespace dorv::gui::test
