#include "core/files/FilesFixture.h"
#include "model/files/BandDefaults.h"

#include <fstream>
#include <gtest/gtest.h>

namespace dorv::test {
namespace {

const std::string kHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                            "DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment\n";

class MemoryManagerCsvTest : public FilesTest {
protected:
    void SetUp() override
    {
        InstallBandDefaults(s.BandTable); // as start-up leaves it without a band file
        s.Memories[3].Vfo.Frequency = 14550000;
        for (MemoryChannel &memory : s.Memories) {
            memory.BankSelected = false;
        }
        s.Memories[0].BankSelected = true; // bank 1 ticked
        radio.app.mnuMemoryArray_Click(0);
    }
    void importText(const std::string &name, const std::string &text)
    {
        std::ofstream(file(name), std::ios::binary) << text;
        host.openAnswers.push_back(file(name).string());
        radio.memmgr.mnuImportCsv_Click();
    }
    const MemoryTable &work() const { return radio.memmgr.WorkingCopy(); }
};

TEST_F(MemoryManagerCsvTest, malformedFiles_messageAndNothingChanged)
{
    const MemoryTable before = work();
    importText("binary.csv", std::string("\x7f"
                                         "ELF\x02\x01\0\0",
                                         8));
    importText("huge.csv", kHeader + std::string(10 * 1024 * 1024, 'x'));
    importText("short.csv", kHeader + "5,short,145.5\n6,also short\n");
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_NE(host.messages[0].text.find("cannot be imported: it is not a text file"),
              std::string::npos)
        << host.messages[0].text;
    EXPECT_NE(host.messages[1].text.find("kB long"), std::string::npos);
    EXPECT_NE(host.messages[2].text.find("line 2: it has 3 columns, the header 14"),
              std::string::npos)
        << host.messages[2].text;
    for (const auto &message : host.messages) {
        EXPECT_EQ(message.title, "Import CSV");
        EXPECT_EQ(message.buttons, MsgButtons::Ok);
    }
    EXPECT_EQ(work(), before);
}

TEST_F(MemoryManagerCsvTest, refusedRowsAndReplacements_askFirst)
{
    const MemoryTable before = work();
    const std::string text = kHeader + "3,new,145.600000,,0,,,,,,FM,,,\n"
                                       "4,bad,145.6q,,0,,,,,,FM,,,\n"
                                       "60,far,438.500000,,0,,,,,,FM,,,\n";
    host.messageAnswers.push_back(MsgAnswer::No);
    importText("plan.csv", text);
    ASSERT_EQ(host.messages.size(), 1u);
    const ShownMessage &question = host.messages[0];
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    EXPECT_NE(question.text.find("line 3: Frequency \"145.6q\" is not a frequency in MHz"),
              std::string::npos)
        << question.text;
    EXPECT_NE(question.text.find("1 channels in use will be replaced (positions 003)"),
              std::string::npos)
        << question.text;
    EXPECT_NE(question.text.find("Import the other 2 channels?"), std::string::npos);
    EXPECT_EQ(work(), before) << "No leaves the working copy alone";

    importText("plan.csv", text); // answered Yes
    EXPECT_EQ(work()[3].Vfo.Frequency, 14560000);
    EXPECT_TRUE(work()[3].BankSelected);
    EXPECT_EQ(work()[60].Vfo.Frequency, 43850000);
    EXPECT_FALSE(work()[60].BankSelected) << "bank 2's box is clear";
    EXPECT_EQ(radio.memmgr.Row(), 3);
    EXPECT_EQ(s.Memories[60].Vfo.Frequency, 0);
}

TEST_F(MemoryManagerCsvTest, export_writesChannelsInUseOrSaysThereAreNone)
{
    host.saveAnswers.push_back(file("out.csv").string());
    radio.memmgr.mnuExportCsv_Click();
    std::ifstream in(file("out.csv"));
    std::string header, row, rest;
    std::getline(in, header);
    std::getline(in, row);
    EXPECT_EQ(row, "3,,145.500000,,0.000000,,67.0,67.0,023,NN,LSB,5.00,,,,,,\r");
    EXPECT_FALSE(std::getline(in, rest));

    radio.memmgr.MSFlexGrid1_SelChange(3, 3);
    radio.memmgr.btnMemoryEdit_Click(MemoryManager::Cut);
    radio.memmgr.mnuExportCsv_Click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "There are no channels in use to export.");
}

} // namespace
} // namespace dorv::test
