#include "memmgr/CsvMemoryList.h"

#include "model/CodeTables.h"
#include "model/DescriptionText.h"
#include "model/files/BandDefaults.h"

#include <gtest/gtest.h>

namespace dorv {
namespace {

const std::string kHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                            "DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,"
                            "RPT2CALL,DVCODE\n";

BandRecord Bands()
{
    BandRecord bands;
    InstallBandDefaults(bands);
    return bands;
}

CsvMemoryList Read(const std::string &text)
{
    return ReadCsvMemoryList(text, Bands());
}

int ToneIndexOf(int tenthsHz)
{
    const auto &tones = CtcssToneTable();
    return static_cast<int>(std::find(tones.begin(), tones.end(), tenthsHz) - tones.begin());
}

TEST(CsvMemoryList, read_modesTonesDuplexAndSkip)
{
    const CsvMemoryList list =
        Read(kHeader + "0,W1AW RPT,146.940000,-,0.600000,Tone,100.0,88.5,023,NN,FM,5.00,,,,,,\n"
                       "1,TSQL,147.300000,+,0.600000,TSQL,67.0,131.8,023,NN,NFM,5.00,S,,,,,\n"
                       "2,DCS,446.000000,,0.000000,DTCS,88.5,88.5,754,NN,FM,5.00,,,,,,\n"
                       "3,DX split,14.195000,split,14.225000,,88.5,88.5,023,NN,USB,5.00,,,,,,\n"
                       "4,,7.100000,,0,,,,,,LSB,,,,,,,\n"
                       "5,,10.116000,,0,,,,,,CW,,,,,,,\n"
                       "6,,10.117000,,0,,,,,,CWR,,,,,,,\n"
                       "7,,27.185000,,0,,,,,,AM,,,,,,,\n"
                       "8,,14.070000,,0,,,,,,DIG,,,,,,,\n"
                       "9,,144.390000,,0,,,,,,PKT,,P,,,,,\n");
    ASSERT_EQ(list.refused.size(), 0u) << list.refused[0].reason;
    ASSERT_EQ(list.taken.size(), 10u);
    const auto &rpt = list.taken[0].channel;
    EXPECT_EQ(rpt.Vfo.Frequency, 14694000);
    EXPECT_EQ(rpt.Vfo.RptDirection, kRptMinus);
    EXPECT_EQ(rpt.Vfo.RptOffset, 60000);
    EXPECT_EQ(rpt.Vfo.ToneMode, 1);
    EXPECT_EQ(rpt.Vfo.CtcssTone, ToneIndexOf(1000)) << "encode tone from rToneFreq";
    EXPECT_EQ(rpt.Band, 1);
    EXPECT_EQ(DescriptionText(rpt), "W1AW RPT");
    EXPECT_FALSE(rpt.Skip);

    const auto &tsql = list.taken[1].channel;
    EXPECT_EQ(tsql.Vfo.ToneMode, 2);
    EXPECT_EQ(tsql.Vfo.CtcssTone, ToneIndexOf(1318)) << "squelch tone from cToneFreq";
    EXPECT_EQ(tsql.Vfo.Mode, ModeFM) << "narrow FM is the radio's FM";
    EXPECT_EQ(tsql.Vfo.RptDirection, kRptPlus);
    EXPECT_TRUE(tsql.Skip);

    const auto &dcs = list.taken[2].channel;
    EXPECT_EQ(dcs.Vfo.ToneMode, 3);
    EXPECT_EQ(DcsCodeTable()[dcs.Vfo.DcsCode], 754);
    EXPECT_EQ(dcs.Band, 0);

    const auto &split = list.taken[3].channel;
    EXPECT_TRUE(split.Split);
    EXPECT_EQ(split.Vfo.RptDirection, kRptSplit);
    EXPECT_EQ(split.SplitVfo.Frequency, 1422500);
    EXPECT_EQ(split.SplitVfo.Mode, ModeUSB);
    EXPECT_EQ(split.Band, 7);
    EXPECT_EQ(split.SplitBand, 7);

    const std::vector<std::int16_t> modes = {ModeLSB, ModeCW, ModeCWR, ModeAM, ModeDIG, ModePKT};
    for (std::size_t i = 0; i < modes.size(); ++i) {
        EXPECT_EQ(list.taken[4 + i].channel.Vfo.Mode, modes[i]) << "row " << 4 + i;
    }
    EXPECT_EQ(list.taken[7].channel.Band, 3) << "27 MHz: the HF band with the nearest edge";
    EXPECT_FALSE(list.taken[9].channel.Skip) << "P is priority, not skip";
}

TEST(CsvMemoryList, write_isReadBackAsTheSameMemories)
{
    MemoryTable table{};
    for (int pos = 0; pos < kMemoryCount; ++pos) {
        table[pos].BankSelected = pos < 50;
    }
    const CsvMemoryList source =
        Read(kHeader +
             "0,\"Club, \"\"North\"\"\",146.940000,-,0.600000,Tone,100.0,88.5,023,NN,FM,,,,,,,\n"
             "17,DCS,446.000000,,0.000000,DTCS,88.5,88.5,754,NN,FM,,S,,,,,\n"
             "998,DX,14.195000,split,14.225000,TSQL,250.3,250.3,023,NN,USB,,,,,,,\n"
             "999,Ürtal,7.100000,,0,,,,,,LSB,,,,,,,\n");
    ASSERT_EQ(source.taken.size(), 4u);
    PlaceTaken(table, source);
    const std::string text = WriteCsvMemoryList(table);
    EXPECT_EQ(text.substr(0, text.find('\n') + 1), "Location,Name,Frequency,Duplex,Offset,Tone,"
                                                   "rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                                                   "Mode,TStep,Skip,Comment,URCALL,RPT1CALL,"
                                                   "RPT2CALL,DVCODE\r\n");
    EXPECT_NE(text.find("998,DX,14.195000,split,14.225000,TSQL,250.3,250.3,023,NN,USB,5.00,,,,,,"
                        "\r\n"),
              std::string::npos)
        << text;
    const CsvMemoryList back = Read(text);
    ASSERT_EQ(back.taken.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(back.taken[i].location, source.taken[i].location);
        EXPECT_EQ(back.taken[i].channel, source.taken[i].channel) << "row " << i;
    }
    EXPECT_EQ(DescriptionText(back.taken[0].channel), "Club, \"North\"");
    EXPECT_EQ(DescriptionText(back.taken[3].channel), "Ürtal");
    EXPECT_TRUE(table[17].BankSelected && !table[998].BankSelected)
        << "positions keep their bank flags";
}

TEST(CsvMemoryList, read_columnsByNameInAnyOrder)
{
    const CsvMemoryList list =
        Read("\xEF\xBB\xBF"
             "Power,Frequency,Mode,CrossMode,Location,Name,Comment,RxDtcsCode\r\n"
             "50W,145.500000,FM,Tone->Tone,42,Simplex,calling channel,023\r\n"
             "50W,433.500000,FM,Tone->Tone,43,,only a comment,023\r\n");
    ASSERT_EQ(list.taken.size(), 2u);
    EXPECT_EQ(list.taken[0].location, 42);
    EXPECT_EQ(list.taken[0].channel.Vfo.Frequency, 14550000);
    EXPECT_EQ(list.taken[0].channel.Vfo.ToneMode, 0);
    // Name and comment share the description, parted so that an export parts them again.
    EXPECT_EQ(DescriptionText(list.taken[0].channel), "Simplex | calling channel");
    EXPECT_EQ(DescriptionText(list.taken[1].channel), "| only a comment");
    const std::vector<std::string> row = WriteCsvChannel(43, list.taken[1].channel);
    EXPECT_EQ(row[1], "");
    EXPECT_EQ(row[13], "only a comment");
}

TEST(CsvMemoryList, read_refusesBadRowsWithLineAndReason)
{
    const CsvMemoryList list = Read(kHeader + "0,ok,145.500000,,0,,,,,,FM,,,,,,,\n"
                                              "1,bad freq,145.5x,,0,,,,,,FM,,,,,,,\n"
                                              "\n"
                                              "2,nowhere,1200.000000,,0,,,,,,FM,,,,,,,\n"
                                              "3,wfm,98.000000,,0,,,,,,WFM,,,,,,,\n"
                                              "4,cross,145.500000,,0,Cross,,,,,FM,,,,,,,\n"
                                              "5,no tone,145.500000,,0,Tone,159.8,,,,FM,,,,,,,\n"
                                              "6,short row,145.500000\n"
                                              "0,twice,145.600000,,0,,,,,,FM,,,,,,,\n"
                                              "1000,too far,145.600000,,0,,,,,,FM,,,,,,,\n"
                                              "7,odd Hz,145.500005,,0,,,,,,FM,,,,,,,\n"
                                              "8,rx only,162.550000,off,0,,,,,,FM,,,,,,,\n"
                                              "9,reversed,145.500000,,0,DTCS,,,023,RN,FM,,,,,,,\n");
    ASSERT_EQ(list.taken.size(), 1u);
    const std::vector<int> lines = {3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    ASSERT_EQ(list.refused.size(), lines.size()) << RefusalLines(list, 20);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(list.refused[i].line, lines[i]) << list.refused[i].reason;
    }
    EXPECT_EQ(list.refused[1].reason, "1200.000000 MHz is outside every band of the radio");
    EXPECT_EQ(list.refused[5].reason, "it has 3 columns, the header 18");
    EXPECT_EQ(list.refused[6].reason, "Location 0 is already on line 2");
    EXPECT_EQ(RefusalLines(list, 2), "line 3: Frequency \"145.5x\" is not a frequency in MHz\n"
                                     "line 5: 1200.000000 MHz is outside every band of the radio\n"
                                     "... and 9 more rows\n");
}

// Numbers too large for a frequency were wrapped: 43094.07296 MHz came in as 144.4 MHz, an
// offset of 40000 MHz as a negative one that the export wrote and no import took back.
TEST(CsvMemoryList, read_refusesNumbersTooLargeForAFrequency)
{
    const CsvMemoryList list =
        Read(kHeader + "0,wraps,43094.07296,,0,,,,,,FM,,,,,,,\n"
                       "1,offset,145.500000,-,40000,,,,,,FM,,,,,,,\n"
                       "2,largest,145.500000,+,21474.83640,,,,,,FM,,,,,,,\n");
    ASSERT_EQ(list.taken.size(), 1u);
    EXPECT_EQ(list.taken[0].channel.Vfo.RptOffset, 2147483640);
    ASSERT_EQ(list.refused.size(), 2u);
    EXPECT_EQ(list.refused[0].reason, "Frequency 43094.07296 MHz is too large a number");
    EXPECT_EQ(list.refused[1].reason, "Offset 40000 MHz is too large a number");
}

TEST(CsvMemoryList, read_textThatIsNoChannelListIsAFault)
{
    EXPECT_EQ(Read(std::string("PK\x03\x04\0\0binary", 12)).fault, "it is not a text file");
    EXPECT_NE(Read(std::string(10 * 1024 * 1024, 'a')).fault.find("kB long"), std::string::npos);
    EXPECT_NE(Read("Name,Freq\nx,1\n").fault.find("not the header"), std::string::npos);
    EXPECT_EQ(Read("").fault, "it is empty");
    EXPECT_EQ(Read(kHeader).fault, "it holds no channels");
    EXPECT_EQ(Read(kHeader + "0,\"open,145.5\n").fault,
              "the quoted field that opens on line 2 never ends");
    // Windows-1252 text, not UTF-8, is still read.
    const CsvMemoryList latin = Read(kHeader + "0,M\xFCnchen,145.500000,,0,,,,,,FM,,,,,,,\n");
    ASSERT_EQ(latin.taken.size(), 1u);
    EXPECT_EQ(DescriptionText(latin.taken[0].channel), "München");
}

} // namespace
} // namespace dorv
