#include "SignalFile.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace ft897sim;

TEST(SignalFile, parse_readsFieldsDefaultsAndComments)
{
    std::istringstream in("# the local band\n"
                          "\n"
                          "145250000 9 12000 88.5   # repeater\n"
                          "  14205000 8\n"
                          "439100000 12\t\n"
                          "7074000 0 3000\r\n");
    std::string error;
    const auto signals = ParseSignals(in, &error);
    EXPECT_EQ(error, "");
    ASSERT_EQ(signals.size(), 4u);
    EXPECT_EQ(signals[0].frequencyHz, 145250000);
    EXPECT_EQ(signals[0].sLevel, 9);
    EXPECT_EQ(signals[0].widthHz, 12000);
    EXPECT_EQ(signals[0].toneTenths, 885);
    EXPECT_EQ(signals[1].widthHz, 2400); // HF default
    EXPECT_EQ(signals[1].toneTenths, 0);
    EXPECT_EQ(signals[2].widthHz, 12000); // VHF/UHF default
    EXPECT_EQ(signals[3].widthHz, 3000);
}

TEST(SignalFile, parse_rejectsBadLinesNamingTheLine)
{
    const struct {
        const char *text;
        const char *error;
    } cases[] = {
        {"145250000\n", "line 1: expected an S level 0..15"},
        {"# ok\n145.25 9\n", "line 2: bad frequency \"145.25\""},
        {"145250000 16\n", "line 1: expected an S level 0..15"},
        {"145250000 -1\n", "line 1: expected an S level 0..15"},
        {"145250000 9 wide\n", "line 1: bad width \"wide\""},
        {"145250000 9 0\n", "line 1: bad width \"0\""},
        {"145250000 9 12000 x\n", "line 1: bad tone \"x\""},
        {"145250000 9 12000 88.5 more\n", "line 1: unexpected \"more\""},
        {"0 9\n", "line 1: bad frequency \"0\""},
        {"1000000000 9\n", "line 1: bad frequency \"1000000000\""},
        {"14205000 9x\n", "line 1: expected an S level 0..15"},
    };
    for (const auto &c : cases) {
        std::istringstream in(c.text);
        std::string error;
        EXPECT_TRUE(ParseSignals(in, &error).empty()) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
    std::istringstream in("bad\n");
    EXPECT_TRUE(ParseSignals(in, nullptr).empty());
}
