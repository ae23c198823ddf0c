#pragma once

#include <string>

namespace dorv {

// The data files keep descriptions and paths as single-byte Windows-1252 text; the rest
// of the program (file system, captions, the GUI) uses UTF-8.
std::string Cp1252ToUtf8(const std::string &text);
// Characters Windows-1252 cannot hold become '?'; `lossless` tells whether any did.
std::string Utf8ToCp1252(const std::string &text, bool *lossless = nullptr);
// Lower case of the ASCII letters; other bytes are left alone, so UTF-8 stays intact.
std::string LowerAscii(std::string text);

} // namespace dorv
