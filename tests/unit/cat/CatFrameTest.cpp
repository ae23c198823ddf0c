#include "cat/CatFrame.h"

#include <gtest/gtest.h>

using namespace dorv;

TEST(CatFrame, frequencyEncoding_packsEightBcdDigitsOrNothing)
{
    EXPECT_EQ(EncodeFrequency(14543000), (CatParams{0x14, 0x54, 0x30, 0x00}));
    EXPECT_EQ(EncodeFrequency(705000), (CatParams{0x00, 0x70, 0x50, 0x00}));
    EXPECT_EQ(EncodeFrequency(10000), (CatParams{0x00, 0x01, 0x00, 0x00}));
    EXPECT_EQ(EncodeFrequency(99999999), (CatParams{0x99, 0x99, 0x99, 0x99}));
    EXPECT_FALSE(EncodeFrequency(9999));
    EXPECT_FALSE(EncodeFrequency(100000000));
    EXPECT_FALSE(EncodeFrequency(0));
    EXPECT_FALSE(EncodeFrequency(-14543000));
}

TEST(CatFrame, frequencyDecoding_roundTripsAndRejectsNonDecimalNibbles)
{
    const std::uint8_t bcd[4] = {0x14, 0x54, 0x30, 0x00};
    EXPECT_EQ(DecodeFrequency(bcd), 14543000);
    const std::uint8_t bad[4] = {0x1A, 0x54, 0x30, 0x00};
    EXPECT_FALSE(DecodeFrequency(bad));
}

TEST(CatFrame, offsetEncoding_keepsLeadingDigitsOnlyForFourToSevenDigits)
{
    EXPECT_EQ(EncodeRptOffset(5000), (CatParams{0x00, 0x00, 0x50, 0x00}));
    EXPECT_EQ(EncodeRptOffset(60000), (CatParams{0x00, 0x06, 0x00, 0x00}));
    EXPECT_EQ(EncodeRptOffset(62500), (CatParams{0x00, 0x06, 0x20, 0x00}));
    EXPECT_EQ(EncodeRptOffset(500000), (CatParams{0x00, 0x50, 0x00, 0x00}));
    EXPECT_EQ(EncodeRptOffset(1000000), (CatParams{0x01, 0x00, 0x00, 0x00}));
    EXPECT_EQ(EncodeRptOffset(1500000), (CatParams{0x01, 0x50, 0x00, 0x00}));
    EXPECT_EQ(EncodeRptOffset(9999999), (CatParams{0x09, 0x99, 0x90, 0x00}));
    EXPECT_EQ(EncodeRptOffset(0), (CatParams{0x00, 0x00, 0x00, 0x00}));
    EXPECT_FALSE(EncodeRptOffset(999));
    EXPECT_FALSE(EncodeRptOffset(10000000));
}
