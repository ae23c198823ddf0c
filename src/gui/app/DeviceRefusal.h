#pragma once

#include "host/SerialPort.h"

#include <string>
#include <vector>

namespace dorv::gui {

// The directories where serial programs leave their lock files (LCK..ttyUSB0).
std::vector<std::string> DefaultLockDirectories();

// Why the system refused to open a serial device that is there: this user may not read and
// write it (with its owner and group, and whether joining the group would help), or another
// program holds it (a live process named by a lock file, or an exclusive open). Reason None
// when neither is the case. `systemError` is the error text of the failed open.
PortRefusal DiagnoseRefusal(const std::string &device, const std::string &systemError,
                            const std::vector<std::string> &lockDirs = DefaultLockDirectories());

// The live process a lock file names and its program: from the process itself, else the
// name written in the file (Qt's lock files hold "pid\nprogram\nhost"; UUCP ones only the
// pid). False for a missing or unreadable file or a process that is gone.
bool ReadLockHolder(const std::string &path, PortRefusal &refusal);

} // namespace dorv::gui
