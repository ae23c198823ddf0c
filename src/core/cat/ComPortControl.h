#pragma once

#include "host/PortTypes.h"

#include <array>
#include <cstdint>

namespace dorv {

// The telnet side of a link served with the com-port control option (RFC 2217): it
// wraps the CAT bytes for the wire, takes them out of what comes back, answers the far
// end's negotiation, and sets the serial line behind the far end to the CAT rate, 8 data
// bits, no parity, 2 stop bits, no flow control as soon as the far end takes the option.
// One object serves one connection; bytes may arrive split anywhere.
class ComPortControl {
public:
    explicit ComPortControl(int baudRate) : baudRate_(baudRate) {}

    // What goes out first when the connection is made: the options this end offers
    // (com-port control, binary, no go-ahead) and asks the far end for (binary, no go-ahead).
    Bytes Greeting();
    // CAT bytes as they go on the wire: each 0xFF doubled, so it is not read as a command.
    static Bytes Escape(const Bytes &data);
    // Takes bytes from the far end and returns the CAT bytes among them; what must go back
    // (answers to its negotiation, the line settings) is appended to `answer`.
    Bytes Receive(const Bytes &bytes, Bytes &answer);

    // The line settings went out: the far end took the com-port option.
    bool lineSet() const { return lineSet_; }
    // The far end refused the com-port option: the line keeps whatever it was set to there.
    bool comPortRefused() const { return comPortRefused_; }
    // The rate the far end says it set, in bit/s; 0 until it has said.
    int confirmedRate() const { return confirmedRate_; }

private:
    enum class Parse { Data, Command, Option, Sub, SubCommand };

    void command(std::uint8_t byte);
    void negotiate(std::uint8_t verb, std::uint8_t option, Bytes &answer);
    void subnegotiation(Bytes &answer);
    Bytes lineSettings() const;

    int baudRate_;
    Parse parse_ = Parse::Data;
    std::uint8_t verb_ = 0;
    Bytes sub_;               // the body of a subnegotiation being read
    bool subTooLong_ = false; // its body outgrew any the option defines: ignored
    // Per option: enabled on this side (we WILL), on the far side (it WILL), and asked for
    // by us and not yet answered, so that the far end's answer is not answered again.
    std::array<bool, 256> local_{};
    std::array<bool, 256> remote_{};
    std::array<bool, 256> askedLocal_{};
    std::array<bool, 256> askedRemote_{};
    bool lineSet_ = false;
    bool comPortRefused_ = false;
    int confirmedRate_ = 0;
};

} // namespace dorv
