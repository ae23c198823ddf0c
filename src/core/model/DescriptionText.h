#pragma once

#include "model/MemoryChannel.h"

#include <string>

namespace dorv {

// The description as the user reads it: UTF-8, without the blanks around it.
std::string DescriptionText(const MemoryChannel &memory);
// Stores UTF-8 text as the description: single-byte text, control characters as blanks,
// cut to 49 characters and blank-padded.
void SetDescription(MemoryChannel &memory, const std::string &text);

} // namespace dorv
