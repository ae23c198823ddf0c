#include "model/DescriptionText.h"

#include "model/files/Cp1252.h"

namespace dorv {

namespace {

constexpr const char *kSeparator = " | ";
constexpr const char *kNoName = "| ";

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

std::string JoinNameAndComment(const NameAndComment &parts)
{
    if (parts.comment.empty()) {
        return parts.name;
    }
    return (parts.name.empty() ? kNoName : parts.name + kSeparator) + parts.comment;
}

NameAndComment SplitNameAndComment(const std::string &description)
{
    const std::string text = Trimmed(description);
    if (text.rfind(kNoName, 0) == 0) {
        return {"", Trimmed(text.substr(2))};
    }
    const auto separator = text.find(kSeparator);
    if (separator == std::string::npos) {
        return {text, ""};
    }
    return {Trimmed(text.substr(0, separator)), Trimmed(text.substr(separator + 3))};
}

} // namespace dorv
