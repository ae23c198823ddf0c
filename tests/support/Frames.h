#pragma once

#include "cat/CatFrame.h"

#include <vector>

namespace dorv::test {

// A frame as it goes down the line: P1 P2 P3 P4, then the opcode.
inline CatFrame F(std::uint8_t p1, std::uint8_t p2, std::uint8_t p3, std::uint8_t p4,
                  std::uint8_t op)
{
    return {p1, p2, p3, p4, op};
}
inline const CatFrame kToggle{0, 0, 0, 0, Opcode::ToggleVfo};
inline const CatFrame kReadFreqMode{0, 0, 0, 0, Opcode::ReadFreqMode};

// The frames without the meters' RX and TX status requests.
std::vector<CatFrame> WithoutStatusRequests(const std::vector<CatFrame> &frames);

} // namespace dorv::test
