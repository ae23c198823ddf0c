#pragma once

#include "model/files/ByteStream.h"

#include <filesystem>
#include <string>

namespace dorv {

// Reads the first `size` bytes of a file; bytes past its end read as zero. A missing
// file is created empty first; anything but a regular file (a FIFO, a device) is refused
// without waiting on it. On failure returns false and puts the system's description of
// the error into `error`.
bool ReadRecords(const std::filesystem::path &path, std::size_t size, Bytes &records,
                 std::string &error);

// Reads the first `size` bytes of a file as they are: fewer when the file is shorter.
// Creates and refuses files as ReadRecords does.
bool ReadFileHead(const std::filesystem::path &path, std::size_t size, Bytes &head,
                  std::string &error);

// Puts `records` at the start of the file and keeps any bytes the file holds beyond
// them. The new content is written to a file beside the target, flushed to disk and
// then renamed over the target, so a failed save leaves the old file as it was. Only a
// regular file or a new name is written; a symbolic link has its target replaced.
bool ReplaceRecords(const std::filesystem::path &path, const Bytes &records, std::string &error);

// Replaces the whole file with `content` the same safe way.
bool ReplaceWholeFile(const std::filesystem::path &path, const Bytes &content, std::string &error);

} // namespace dorv
