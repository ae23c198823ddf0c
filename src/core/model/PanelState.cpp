#include "model/PanelState.h"

#include "model/CodeTables.h"
#include "model/MenuCaptions.h"

namespace dorv {

PanelState::PanelState()
{
    for (int m = 0; m < kModeCount; ++m) {
        lblMBmode[m].Caption = ModeTable()[m].Name;
        lblSBmode[m].Caption = ModeTable()[m].Name;
    }
    mnuCommPortArray.resize(11);
    mnuCommPortArray[0].Visible = false;
    for (int n = 1; n <= 9; ++n) {
        mnuCommPortArray[n].Caption = std::to_string(n);
    }
    mnuCommPortArray[10].Caption = "None";
    mnuCatRate = {{"4800 bps"}, {"9600 bps"}, {"38400 bps"}};
    mnuFileArray = {{"New"},           {"Open..."},         {"-"}, {"Save"}, {"Save As..."}, {"-"},
                    {"Lock Menus..."}, {"Unlock Menus..."}, {"-"}, {"Exit"}};
    AddProgramMenus(*this);
}

std::string PanelState::WindowTitle() const
{
    return lblOnAir.Visible ? "ON AIR - " + Caption : Caption;
}

} // namespace dorv
