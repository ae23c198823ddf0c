#include "net/RigctlModes.h"

#include "model/Units.h"

#include <array>

namespace dorv {

namespace {

struct ModeName {
    int mode;
    const char *name;
};

// The first name of a mode is the one answered; the others are accepted as well.
constexpr std::array<ModeName, 9> kModeNames{{{ModeLSB, "LSB"},
                                              {ModeUSB, "USB"},
                                              {ModeCW, "CW"},
                                              {ModeCWR, "CWR"},
                                              {ModeAM, "AM"},
                                              {ModeFM, "FM"},
                                              {ModeDIG, "PKTUSB"},
                                              {ModePKT, "FM-D"},
                                              {ModePKT, "PKTFM"}}};

} // namespace

std::string RigctlModeName(int mode)
{
    for (const ModeName &m : kModeNames) {
        if (m.mode == mode) {
            return m.name;
        }
    }
    return "NONE";
}

std::optional<int> RigctlModeIndex(const std::string &name)
{
    for (const ModeName &m : kModeNames) {
        if (name == m.name) {
            return m.mode;
        }
    }
    return std::nullopt;
}

} // namespace dorv
