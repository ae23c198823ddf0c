#include "CommandLine.h"

#include "LogFormat.h"

#include <gtest/gtest.h>

using namespace ft897sim;

TEST(CommandLine, parse_takesEveryOption)
{
    std::string error;
    const auto line = ParseCommandLine({"--link", "/tmp/ft", "--log", "f.log", "--signals", "s.txt",
                                        "--delay", "5", "--drop", "0.25", "--extra-delay", "300",
                                        "--ack", "--fading", "--seed", "9"},
                                       error);
    ASSERT_TRUE(line) << error;
    EXPECT_EQ(line->linkPath, "/tmp/ft");
    EXPECT_EQ(line->logPath, "f.log");
    EXPECT_EQ(line->signalsPath, "s.txt");
    EXPECT_EQ(line->options.replyDelayMs, 5);
    EXPECT_DOUBLE_EQ(line->options.dropShare, 0.25);
    EXPECT_EQ(line->options.extraDelayMs, 300);
    EXPECT_TRUE(line->options.acknowledgeSets);
    EXPECT_TRUE(line->options.fading);
    EXPECT_EQ(line->options.seed, 9u);
}

TEST(CommandLine, parse_refusesMistakes)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--log", "f.log"},
        {"--link"},
        {"--link", "x", "--delay", "-1"},
        {"--link", "x", "--delay", "2ms"},
        {"--link", "x", "--drop", "1.5"},
        {"--link", "x", "--verbose", "1"},
        {"--link", "x", "stray"},
        {"--link", "x", "--tcp", "4000"},
        {"--tcp", "70000"},
        {"--tcp", "host:"},
        {"--tcp", ":4000"},
        {"--tcp", "::1:4000"},
        {"--tcp", "[::1:4000"},
    };
    for (const auto &args : cases) {
        std::string error;
        EXPECT_FALSE(ParseCommandLine(args, error)) << ::testing::PrintToString(args);
        EXPECT_FALSE(error.empty());
    }
}

TEST(CommandLine, tcp_addressDefaultsToLoopbackAndTakesIpv6InBrackets)
{
    struct Case {
        const char *arg;
        const char *address;
        int port;
    };
    for (const Case &c : {Case{"4532", "127.0.0.1", 4532}, Case{"0.0.0.0:7", "0.0.0.0", 7},
                          Case{"[::1]:0", "::1", 0}, Case{"localhost:4001", "localhost", 4001}}) {
        std::string error;
        const auto line = ParseCommandLine({"--tcp", c.arg}, error);
        ASSERT_TRUE(line) << c.arg << ": " << error;
        EXPECT_EQ(line->tcpAddress, c.address) << c.arg;
        EXPECT_EQ(line->tcpPort, c.port) << c.arg;
        EXPECT_TRUE(line->linkPath.empty()) << c.arg;
    }
}

TEST(LogFormat, line_hasMillisecondsDirectionAndUpperCaseHex)
{
    EXPECT_EQ(FormatLogLine({11.5321, true, {0x14, 0x54, 0x30, 0x00, 0x01}}, 10.0),
              "1532 RX 14 54 30 00 01");
    EXPECT_EQ(FormatLogLine({0.02, false, {0xAB}}, 0.0), "20 TX AB");
    EXPECT_EQ(FormatLogLine({0.1, true, {0x55, 0x0A}, true}, 0.0), "100 DISCARD 55 0A");
}
