#pragma once

#include <string>

namespace dorv {

// The answer to dump_state: what the radio can do, in the layout hamlib's network client
// parses (protocol version, model, frequency ranges, tuning steps, filters, levels). After
// a client has asked chk_vfo, the key list of newer clients follows, ending in "done".
std::string RigctlDumpState(bool withKeys);

} // namespace dorv
