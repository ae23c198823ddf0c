#include "cat/ComPortControl.h"

#include <gtest/gtest.h>

namespace dorv {
namespace {

constexpr std::uint8_t IAC = 255, DONT = 254, DO = 253, WONT = 252, WILL = 251, SB = 250, SE = 240,
                       NOP = 241, BINARY = 0, ECHO = 1, SGA = 3, COMPORT = 44;

// The settings a 38400 bit/s link sends once the far end takes the option.
const Bytes kLine38400{IAC, SB, COMPORT, 1, 0x00, 0x00, 0x96, 0x00, IAC, SE, // rate
                       IAC, SB, COMPORT, 2, 8,    IAC,  SE,                  // 8 data bits
                       IAC, SB, COMPORT, 3, 1,    IAC,  SE,                  // no parity
                       IAC, SB, COMPORT, 4, 2,    IAC,  SE,                  // 2 stop bits
                       IAC, SB, COMPORT, 5, 1,    IAC,  SE};                 // no flow control

Bytes Cat(Bytes a, const Bytes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(ComPortControlTest, greeting_offersComPortBinaryAndNoGoAhead)
{
    ComPortControl control(9600);
    EXPECT_EQ(control.Greeting(), (Bytes{IAC, WILL, COMPORT, IAC, WILL, BINARY, IAC, DO, BINARY,
                                         IAC, WILL, SGA, IAC, DO, SGA}));
}

TEST(ComPortControlTest, farEndTakesComPort_lineSetOnceAtTheRate)
{
    ComPortControl control(38400);
    control.Greeting();
    Bytes answer;
    control.Receive({IAC, DO, COMPORT}, answer);
    // Our WILL was the question: the DO is its answer and is not answered again.
    EXPECT_EQ(answer, kLine38400);
    EXPECT_TRUE(control.lineSet());

    answer.clear();
    control.Receive({IAC, DO, COMPORT}, answer);
    EXPECT_TRUE(answer.empty()) << "a repeated DO set the line again";
}

TEST(ComPortControlTest, farEndAsksFirst_answeredWithWillThenTheLine)
{
    ComPortControl control(4800);
    Bytes answer;
    control.Receive({IAC, DO, COMPORT}, answer);
    const Bytes line4800{IAC, SB, COMPORT, 1, 0x00, 0x00, 0x12, 0xC0, IAC, SE};
    ASSERT_GE(answer.size(), 3 + line4800.size());
    EXPECT_EQ(Bytes(answer.begin(), answer.begin() + 3), (Bytes{IAC, WILL, COMPORT}));
    EXPECT_EQ(Bytes(answer.begin() + 3, answer.begin() + 3 + line4800.size()), line4800);
}

TEST(ComPortControlTest, rateWithAnFFByte_escapedInsideTheSubnegotiation)
{
    ComPortControl control(0x0001FF00);
    control.Greeting();
    Bytes answer;
    control.Receive({IAC, DO, COMPORT}, answer);
    const Bytes rate{IAC, SB, COMPORT, 1, 0x00, 0x01, 0xFF, 0xFF, 0x00, IAC, SE};
    EXPECT_EQ(Bytes(answer.begin(), answer.begin() + rate.size()), rate);
}

TEST(ComPortControlTest, negotiation_answeredOnlyWhereItChangesSomething)
{
    struct Case {
        const char *what;
        Bytes received;
        Bytes answer;
    };
    const Case cases[] = {
        {"acks of our own offers",
         {IAC, DO, BINARY, IAC, WILL, BINARY, IAC, DO, SGA, IAC, WILL, SGA},
         {}},
        {"echo is refused both ways",
         {IAC, WILL, ECHO, IAC, DO, ECHO},
         {IAC, DONT, ECHO, IAC, WONT, ECHO}},
        {"an unknown option is refused",
         {IAC, DO, 24, IAC, WILL, 31},
         {IAC, WONT, 24, IAC, DONT, 31}},
        {"a refusal of our request is not answered", {IAC, DONT, COMPORT, IAC, WONT, BINARY}, {}},
    };
    for (const Case &c : cases) {
        ComPortControl control(9600);
        control.Greeting();
        Bytes answer;
        EXPECT_TRUE(control.Receive(c.received, answer).empty()) << c.what;
        EXPECT_EQ(answer, c.answer) << c.what;
    }
}

TEST(ComPortControlTest, enabledOptionTurnedOff_confirmedOnce)
{
    ComPortControl control(9600);
    control.Greeting();
    Bytes answer;
    control.Receive({IAC, DO, BINARY, IAC, WILL, BINARY}, answer);
    ASSERT_TRUE(answer.empty());
    control.Receive({IAC, DONT, BINARY, IAC, WONT, BINARY, IAC, DONT, BINARY}, answer);
    EXPECT_EQ(answer, (Bytes{IAC, WONT, BINARY, IAC, DONT, BINARY}));
}

TEST(ComPortControlTest, comPortRefused_reported)
{
    ComPortControl control(9600);
    control.Greeting();
    Bytes answer;
    control.Receive({IAC, DONT, COMPORT}, answer);
    EXPECT_TRUE(control.comPortRefused());
    EXPECT_FALSE(control.lineSet());
}

TEST(ComPortControlTest, data_commandsTakenOutAndDoubledFFKeptOnce)
{
    ComPortControl control(9600);
    control.Greeting();
    Bytes answer;
    const Bytes wire{0x14, IAC,  IAC, IAC, NOP,  0x30, IAC, SB,     COMPORT,
                     107,  0x30, IAC, SE,  0x01, IAC,  DO,  BINARY, 0xFE};
    EXPECT_EQ(control.Receive(wire, answer), (Bytes{0x14, 0xFF, 0x30, 0x01, 0xFE}));
    EXPECT_TRUE(answer.empty());
}

TEST(ComPortControlTest, splitAnywhere_sameDataAndAnswersAsWhole)
{
    // A reply frame holding FF, a modem-state notice and the far end's negotiation.
    const Bytes wire = Cat({0xFF, 0xFF, 0x12, IAC,  SB,   COMPORT, 107, IAC,     IAC,  IAC,
                            SE,   0x7A, IAC,  WILL, ECHO, IAC,     DO,  COMPORT, 0xFF, 0xFF},
                           {IAC, SB, COMPORT, 101, 0, 0, 0x96, 0, IAC, SE, 0x0D, 0x00});
    ComPortControl whole(38400);
    whole.Greeting();
    Bytes wholeAnswer;
    const Bytes wholeData = whole.Receive(wire, wholeAnswer);
    EXPECT_EQ(wholeData, (Bytes{0xFF, 0x12, 0x7A, 0xFF, 0x0D, 0x00}));
    EXPECT_EQ(whole.confirmedRate(), 38400);
    EXPECT_EQ(wholeAnswer, Cat({IAC, DONT, ECHO}, kLine38400));

    for (std::size_t cut = 1; cut < wire.size(); ++cut) {
        ComPortControl split(38400);
        split.Greeting();
        Bytes answer;
        Bytes data = split.Receive(Bytes(wire.begin(), wire.begin() + cut), answer);
        const Bytes rest = split.Receive(Bytes(wire.begin() + cut, wire.end()), answer);
        data.insert(data.end(), rest.begin(), rest.end());
        EXPECT_EQ(data, wholeData) << "cut at " << cut;
        EXPECT_EQ(answer, wholeAnswer) << "cut at " << cut;
        EXPECT_EQ(split.confirmedRate(), 38400) << "cut at " << cut;
    }
}

TEST(ComPortControlTest, signatureAsked_answeredWithOurs)
{
    ComPortControl control(9600);
    Bytes answer;
    control.Receive({IAC, SB, COMPORT, 100, IAC, SE}, answer);
    const std::string name = "DORV FT-897";
    EXPECT_EQ(answer, Cat(Cat({IAC, SB, COMPORT, 0}, Bytes(name.begin(), name.end())), {IAC, SE}));
}

TEST(ComPortControlTest, overlongSubnegotiation_ignoredAndDataAfterItKept)
{
    ComPortControl control(9600);
    Bytes wire{IAC, SB, COMPORT, 101};
    wire.insert(wire.end(), 500, 0x01);
    wire.insert(wire.end(), {IAC, SE, 0x42});
    Bytes answer;
    EXPECT_EQ(control.Receive(wire, answer), Bytes{0x42});
    EXPECT_EQ(control.confirmedRate(), 0);
}

TEST(ComPortControlTest, escape_doublesEveryFFAndNothingElse)
{
    EXPECT_EQ(ComPortControl::Escape({0x00, 0xFF, 0xFE, 0xFF, 0xFF}),
              (Bytes{0x00, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF}));
    // Escaped and taken back, any frame is itself.
    Bytes all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<std::uint8_t>(b));
    }
    ComPortControl control(9600);
    Bytes answer;
    EXPECT_EQ(control.Receive(ComPortControl::Escape(all), answer), all);
}

} // namespace
} // namespace dorv
