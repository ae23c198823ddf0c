#pragma once

#include "Frame.h"
#include "RigState.h"

namespace ft897sim {

// Applies a command that changes the radio's state. Returns false when the opcode is not
// one of them; a set command with a parameter the radio does not know changes nothing.
bool ApplySetCommand(RigState &rig, const Frame &frame);

} // namespace ft897sim
