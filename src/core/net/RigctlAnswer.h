#pragma once

#include "net/RigctlRequest.h"

#include <string>
#include <utility>
#include <vector>

namespace dorv {

// Result codes of the protocol's "RPRT n" lines.
enum RigctlCode {
    RigOk = 0,
    RigInvalid = -1,     // a malformed or out-of-range argument
    RigTimeout = -5,     // the radio does not answer: the link is off or the radio silent
    RigRejected = -9,    // the panel refuses the change now (link off, transmitting, locked)
    RigUnavailable = -11 // a command or level this server does not offer
};

// What a command answers: its values with their labels for the extended answer, or a
// text of its own (the state dump), and its result code.
struct RigctlAnswer {
    int Code = RigOk;
    std::vector<std::pair<std::string, std::string>> Values; // label, value
    std::string Text;   // answered as it stands, after the extended header
    bool Bare = false;  // Text is the whole answer: no header, no result line
    bool Close = false; // the connection ends once the answer is sent
};

// The bytes a request's answer goes out as: a get's values one a line, a set's "RPRT 0",
// an error's "RPRT n"; with an extended prefix the command's name and arguments first,
// each value with its label, and the result code last.
std::string FormatRigctlAnswer(const RigctlRequest &request, const RigctlAnswer &answer);

// The answer to a line that names no command this server knows.
std::string UnknownCommandAnswer();

} // namespace dorv
