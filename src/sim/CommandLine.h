#pragma once

#include "Ft897Engine.h"

#include <optional>
#include <string>
#include <vector>

namespace ft897sim {

struct CommandLine {
    enum class Request { Serve, Help, Version };
    Request request = Request::Serve; // --help and --version answer and end at once
    std::string linkPath;             // where the pseudo-terminal's slave is linked
    // Serve on a TCP port instead (raw bytes): the address to listen on and the port,
    // 0 for one the system picks. Empty address: no TCP.
    std::string tcpAddress;
    int tcpPort = 0;
    std::string logPath;     // frame log; empty = none
    std::string signalsPath; // signals file; empty = the default band plan
    Options options;
};

// Parses the program's arguments (without the program name); empty with a message in
// error on a mistake.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string> &args,
                                            std::string &error);

extern const char *const kUsage;
// What --help prints: the usage and a line on each option.
extern const char *const kHelp;

} // namespace ft897sim
