#pragma once

#include "model/MemoryChannel.h"

#include <string>

namespace dorv {

// The description as the user reads it: UTF-8, without the blanks around it.
std::string DescriptionText(const MemoryChannel &memory);
// Stores UTF-8 text as the description: single-byte text, control characters as blanks,
// cut to 49 characters and blank-padded.
void SetDescription(MemoryChannel &memory, const std::string &text);

// A channel list's name and comment share the one description: "name | comment", or
// "| comment" without a name. Split at the first " | ", both parts without blanks around
// them, they come back as they were put together, as far as the 49 characters hold them.
struct NameAndComment {
    std::string name;
    std::string comment;
};
std::string JoinNameAndComment(const NameAndComment &parts);
NameAndComment SplitNameAndComment(const std::string &description);

} // namespace dorv
