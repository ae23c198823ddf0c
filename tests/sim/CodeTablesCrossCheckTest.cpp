// The program's code tables against the simulator's, which were written separately from
// the radio's documented CAT codes: a wrong entry on either side fails here.

#include "Ft897Engine.h"
#include "RadioCodes.h"
#include "model/CodeTables.h"

#include <gtest/gtest.h>

TEST(CodeTablesCrossCheck, modes_haveTheRadiosCodesInTheSameOrder)
{
    // The radio's list ends with FM narrow, which the panel does not offer.
    ASSERT_EQ(ft897sim::kModeCodes.size(), dorv::ModeTable().size() + 1);
    for (int i = 0; i < dorv::kModeCount; ++i) {
        EXPECT_EQ(dorv::ModeTable()[i].CatCode, ft897sim::kModeCodes[i])
            << dorv::ModeTable()[i].Name;
    }
}

TEST(CodeTablesCrossCheck, ctcssTones_matchEntryByEntry)
{
    ASSERT_EQ(ft897sim::kCtcssTones.size(), dorv::CtcssToneTable().size());
    for (std::size_t i = 0; i < ft897sim::kCtcssTones.size(); ++i) {
        EXPECT_EQ(dorv::CtcssToneTable()[i], ft897sim::kCtcssTones[i].tenths) << "tone " << i;
    }
}

TEST(CodeTablesCrossCheck, dcsCodes_matchEntryByEntry)
{
    ASSERT_EQ(ft897sim::kDcsCodes.size(), dorv::DcsCodeTable().size());
    for (std::size_t i = 0; i < ft897sim::kDcsCodes.size(); ++i) {
        EXPECT_EQ(dorv::DcsCodeTable()[i], ft897sim::kDcsCodes[i]) << "code " << i;
    }
}

TEST(CodeTablesCrossCheck, everyToneModeTheProgramSends_isOneTheRadioTakes)
{
    for (const dorv::ToneModeRow &row : dorv::ToneModeTable()) {
        ft897sim::Engine engine;
        engine.rig().toneModeCode = 0;
        const std::uint8_t frame[] = {row.CatCode, 0, 0, 0, ft897sim::Opcode::ToneMode};
        engine.receive(frame, sizeof frame, 0);
        EXPECT_EQ(engine.rig().toneModeCode, row.CatCode);
    }
}
