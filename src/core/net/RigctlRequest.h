#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dorv {

// One request line of the network control protocol, taken apart. A line holds one command:
// its one-letter form ("F 14074000") or its long form after a backslash
// ("\set_freq 14074000"), optionally led by one of "+;|," for the extended answer.
struct RigctlRequest {
    char Prefix = 0;     // 0 for the plain answer, else the extended answer's prefix
    std::string Command; // the long name, e.g. "set_freq"
    std::vector<std::string> Args;
    int ExpectedArgs = 0; // the number of arguments the command takes
    // The command changes something: the radio, the mode lock every client shares, or the VFO
    // the client's own requests are for. A read-only client may send none of these.
    bool IsSet = false;
};

// The request on one line (without its line end); empty when the line names no command
// this server knows. A blank line is no request either.
std::optional<RigctlRequest> ParseRigctlLine(const std::string &line);

// The separator of extended answers for a prefix ('+' is a line end).
char RigctlSeparator(char prefix);

} // namespace dorv
