#include "cat/ComPortControl.h"

#include <string>

namespace dorv {

namespace {

// Telnet commands (RFC 854) and the options this end knows.
constexpr std::uint8_t kIac = 255;
constexpr std::uint8_t kDont = 254;
constexpr std::uint8_t kDo = 253;
constexpr std::uint8_t kWont = 252;
constexpr std::uint8_t kWill = 251;
constexpr std::uint8_t kSb = 250;
constexpr std::uint8_t kSe = 240;

constexpr std::uint8_t kBinary = 0;
constexpr std::uint8_t kSuppressGoAhead = 3;
constexpr std::uint8_t kComPort = 44;

// Com-port commands (RFC 2217) from client to server; the server answers each with the
// same number plus 100.
constexpr std::uint8_t kSignature = 0;
constexpr std::uint8_t kSetBaudRate = 1;
constexpr std::uint8_t kSetDataSize = 2;
constexpr std::uint8_t kSetParity = 3;
constexpr std::uint8_t kSetStopSize = 4;
constexpr std::uint8_t kSetControl = 5;
constexpr std::uint8_t kServerOffset = 100;

constexpr std::uint8_t kParityNone = 1;
constexpr std::uint8_t kTwoStopBits = 2;
constexpr std::uint8_t kNoFlowControl = 1;

// No subnegotiation of the options above is longer; a signature text is cut here.
constexpr std::size_t kMaxSub = 64;

constexpr const char *kSignatureText = "DORV FT-897";

bool WeOffer(std::uint8_t option)
{
    return option == kBinary || option == kSuppressGoAhead || option == kComPort;
}

bool WeAccept(std::uint8_t option)
{
    return option == kBinary || option == kSuppressGoAhead;
}

void Append(Bytes &out, std::initializer_list<std::uint8_t> bytes)
{
    out.insert(out.end(), bytes);
}

// A subnegotiation of the com-port option carrying `command` and `value`, escaped.
Bytes ComPortSub(std::uint8_t command, const Bytes &value)
{
    Bytes out{kIac, kSb, kComPort, command};
    const Bytes escaped = ComPortControl::Escape(value);
    out.insert(out.end(), escaped.begin(), escaped.end());
    Append(out, {kIac, kSe});
    return out;
}

} // namespace

Bytes ComPortControl::Greeting()
{
    askedLocal_[kComPort] = askedLocal_[kBinary] = askedLocal_[kSuppressGoAhead] = true;
    askedRemote_[kBinary] = askedRemote_[kSuppressGoAhead] = true;
    return {kIac, kWill, kComPort,         kIac, kWill, kBinary,         kIac, kDo, kBinary,
            kIac, kWill, kSuppressGoAhead, kIac, kDo,   kSuppressGoAhead};
}

Bytes ComPortControl::Escape(const Bytes &data)
{
    Bytes out;
    out.reserve(data.size() + 2);
    for (const std::uint8_t byte : data) {
        out.push_back(byte);
        if (byte == kIac) {
            out.push_back(kIac);
        }
    }
    return out;
}

Bytes ComPortControl::lineSettings() const
{
    const auto rate = static_cast<std::uint32_t>(baudRate_);
    Bytes out = ComPortSub(
        kSetBaudRate, {static_cast<std::uint8_t>(rate >> 24), static_cast<std::uint8_t>(rate >> 16),
                       static_cast<std::uint8_t>(rate >> 8), static_cast<std::uint8_t>(rate)});
    for (const auto &[command, value] :
         {std::pair{kSetDataSize, std::uint8_t{8}}, std::pair{kSetParity, kParityNone},
          std::pair{kSetStopSize, kTwoStopBits}, std::pair{kSetControl, kNoFlowControl}}) {
        const Bytes sub = ComPortSub(command, {value});
        out.insert(out.end(), sub.begin(), sub.end());
    }
    return out;
}

Bytes ComPortControl::Receive(const Bytes &bytes, Bytes &answer)
{
    Bytes data;
    for (const std::uint8_t byte : bytes) {
        switch (parse_) {
        case Parse::Data:
            if (byte == kIac) {
                parse_ = Parse::Command;
            } else {
                data.push_back(byte);
            }
            break;
        case Parse::Command:
            if (byte == kIac) {
                data.push_back(kIac);
                parse_ = Parse::Data;
            } else {
                command(byte);
            }
            break;
        case Parse::Option:
            negotiate(verb_, byte, answer);
            parse_ = Parse::Data;
            break;
        case Parse::Sub:
            if (byte == kIac) {
                parse_ = Parse::SubCommand;
            } else if (sub_.size() < kMaxSub) {
                sub_.push_back(byte);
            } else {
                subTooLong_ = true;
            }
            break;
        case Parse::SubCommand:
            if (byte == kIac) {
                parse_ = Parse::Sub;
                if (sub_.size() < kMaxSub) {
                    sub_.push_back(kIac);
                }
            } else if (byte == kSe) {
                parse_ = Parse::Data;
                subnegotiation(answer);
            } else {
                // A command inside a subnegotiation ends it unread; the command counts.
                command(byte);
            }
            break;
        }
    }
    return data;
}

// The byte after an IAC that is not a second IAC.
void ComPortControl::command(std::uint8_t byte)
{
    if (byte == kWill || byte == kWont || byte == kDo || byte == kDont) {
        verb_ = byte;
        parse_ = Parse::Option;
    } else if (byte == kSb) {
        sub_.clear();
        subTooLong_ = false;
        parse_ = Parse::Sub;
    } else {
        // NOP, go-ahead, data mark, a stray SE and the rest ask nothing of a data link.
        parse_ = Parse::Data;
    }
}

// Answers only what changes an option's state, so that two ends never answer each other's
// answers for ever (the loop RFC 854 warns of).
void ComPortControl::negotiate(std::uint8_t verb, std::uint8_t option, Bytes &answer)
{
    switch (verb) {
    case kDo:
        if (!WeOffer(option)) {
            Append(answer, {kIac, kWont, option});
        } else if (!local_[option]) {
            local_[option] = true;
            if (!askedLocal_[option]) {
                Append(answer, {kIac, kWill, option});
            }
            if (option == kComPort) {
                const Bytes settings = lineSettings();
                answer.insert(answer.end(), settings.begin(), settings.end());
                lineSet_ = true;
                comPortRefused_ = false;
            }
        }
        askedLocal_[option] = false;
        break;
    case kDont:
        if (local_[option]) {
            Append(answer, {kIac, kWont, option});
        } else if (askedLocal_[option] && option == kComPort) {
            comPortRefused_ = true;
        }
        local_[option] = false;
        askedLocal_[option] = false;
        break;
    case kWill:
        if (!WeAccept(option)) {
            Append(answer, {kIac, kDont, option});
        } else if (!remote_[option]) {
            remote_[option] = true;
            if (!askedRemote_[option]) {
                Append(answer, {kIac, kDo, option});
            }
        }
        askedRemote_[option] = false;
        break;
    case kWont:
        if (remote_[option]) {
            Append(answer, {kIac, kDont, option});
        }
        remote_[option] = false;
        askedRemote_[option] = false;
        break;
    default:
        break;
    }
}

void ComPortControl::subnegotiation(Bytes &answer)
{
    if (subTooLong_ || sub_.size() < 2 || sub_[0] != kComPort) {
        return;
    }
    const std::uint8_t command = sub_[1];
    const Bytes value(sub_.begin() + 2, sub_.end());
    if (command == kServerOffset + kSignature && value.empty()) {
        // The far end asks who we are.
        const std::string text = kSignatureText;
        const Bytes sub = ComPortSub(kSignature, Bytes(text.begin(), text.end()));
        answer.insert(answer.end(), sub.begin(), sub.end());
    } else if (command == kServerOffset + kSetBaudRate && value.size() == 4) {
        confirmedRate_ =
            static_cast<int>((std::uint32_t{value[0]} << 24) | (std::uint32_t{value[1]} << 16) |
                             (std::uint32_t{value[2]} << 8) | value[3]);
    }
}

} // namespace dorv
