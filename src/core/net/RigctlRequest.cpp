#include "net/RigctlRequest.h"

#include <array>
#include <sstream>

namespace dorv {

namespace {

struct CommandInfo {
    char shortName; // 0 when the command has only its long form
    const char *longName;
    int args;
    bool isSet;
};

constexpr std::array<CommandInfo, 22> kCommands{{
    {'f', "get_freq", 0, false},       {'F', "set_freq", 1, true},
    {'m', "get_mode", 0, false},       {'M', "set_mode", 2, true},
    {'v', "get_vfo", 0, false},        {'V', "set_vfo", 1, true},
    {'s', "get_split_vfo", 0, false},  {'S', "set_split_vfo", 2, true},
    {'i', "get_split_freq", 0, false}, {'I', "set_split_freq", 1, true},
    {'x', "get_split_mode", 0, false}, {'X', "set_split_mode", 2, true},
    {'t', "get_ptt", 0, false},        {'T', "set_ptt", 1, true},
    {'l', "get_level", 1, false},      {'G', "vfo_op", 1, true},
    {'q', "quit", 0, false},           {0, "chk_vfo", 0, false},
    {0, "get_powerstat", 0, false},    {0, "dump_state", 0, false},
    {0, "get_lock_mode", 0, false},    {0, "set_lock_mode", 1, true},
}};

const CommandInfo *FindCommand(const std::string &word)
{
    for (const CommandInfo &c : kCommands) {
        const bool shortForm = word.size() == 1 && c.shortName != 0 && word[0] == c.shortName;
        const bool longForm = word.size() > 1 && word[0] == '\\' && word.substr(1) == c.longName;
        if (shortForm || longForm) {
            return &c;
        }
    }
    return nullptr;
}

bool IsPrefix(char c)
{
    return c == '+' || c == ';' || c == '|' || c == ',';
}

} // namespace

char RigctlSeparator(char prefix)
{
    return prefix == '+' || prefix == 0 ? '\n' : prefix;
}

std::optional<RigctlRequest> ParseRigctlLine(const std::string &line)
{
    std::istringstream words(line);
    std::string word;
    if (!(words >> word)) {
        return std::nullopt;
    }
    RigctlRequest request;
    if (IsPrefix(word[0])) {
        request.Prefix = word[0];
        word.erase(0, 1);
        if (word.empty() && !(words >> word)) {
            return std::nullopt;
        }
    }
    const CommandInfo *info = FindCommand(word);
    if (info == nullptr) {
        return std::nullopt;
    }
    request.Command = info->longName;
    request.ExpectedArgs = info->args;
    request.IsSet = info->isSet;
    while (words >> word) {
        request.Args.push_back(word);
    }
    return request;
}

} // namespace dorv
