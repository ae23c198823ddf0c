#include "model/DescriptionText.h"

#include "model/files/Cp1252.h"

namespace dorv {

namespace {

std::string Trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string DescriptionText(const MemoryChannel &memory)
{
    return Cp1252ToUtf8(Trimmed(memory.Description));
}

void SetDescription(MemoryChannel &memory, const std::string &text)
{
    std::string single = Utf8ToCp1252(text);
    for (char &c : single) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            c = ' ';
        }
    }
    single.resize(kDescriptionLength, ' ');
    memory.Description = single;
}

} // namespace dorv
