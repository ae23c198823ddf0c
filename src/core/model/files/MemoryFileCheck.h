#pragma once

#include "model/files/ByteStream.h"

#include <filesystem>
#include <string>

namespace dorv {

// Why `content`, the whole of a file, cannot be a memory database; empty when it can.
// A memory file holds whole 103-byte records (none: a new file); what lies past the
// 1000th is not read, and a save keeps it. Every record holds flags of -1 or 0 (1 is
// taken for true too), and a frequency of 0 (empty) or one the radio
// reaches with a mode of the current or the older numbering; so does its transmit side
// when it is split.
std::string MemoryFileFault(ByteView content);

enum class MemoryFileRead { Read, Unreadable, NotAMemoryFile };

// Reads a memory file whole into `records`, padded with empty records to 1000; a missing
// file is created empty. A file without records reads as a new memory database, every
// bank selected. Unless the file was read, `why` holds the system's description
// of the error or the file's fault, and `records` is left empty.
MemoryFileRead ReadMemoryDatabase(const std::filesystem::path &path, Bytes &records,
                                  std::string &why);

} // namespace dorv
