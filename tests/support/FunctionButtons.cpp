#include "support/FunctionButtons.h"

namespace dorv::test {

std::vector<std::pair<std::string, ButtonState *>> FunctionButtons(PanelState &p)
{
    std::vector<std::pair<std::string, ButtonState *>> all = {
        {"CAT", &p.CATbutton},         {"MOX", &p.MOXbutton},           {"SEARCH", &p.SEARCHbutton},
        {"SYNC", &p.SYNCbutton},       {"SCOPE", &p.SCOPEbutton},       {"RCL", &p.RCLbutton},
        {"STO", &p.STObutton},         {"FAST", &p.FASTbutton},         {"LOCK", &p.LOCKbutton},
        {"HOME", &p.HOMEbutton},       {"VFOMR", &p.VFOMRbutton},       {"AB", &p.ABbutton},
        {"SPLIT", &p.SPLITbutton},     {"MCK", &p.MCKbutton},           {"SWAP", &p.SWAPbutton},
        {"SUB", &p.SUBbutton},         {"RPT", &p.RPTbutton},           {"REV", &p.REVbutton},
        {"TONE", &p.TONEbutton},       {"SCAN", &p.SCANbutton},         {"PRI", &p.PRIbutton},
        {"PMS", &p.PMSbutton},         {"BANDDOWN", &p.BandDownButton}, {"BANDUP", &p.BandUpButton},
        {"MHZDOWN", &p.MhzDownButton}, {"MHZUP", &p.MhzUpButton},       {"ENT", &p.ENTbutton},
        {"DOP", &p.DOPbutton},         {"CLAR", &p.CLARbutton}};
    for (ButtonState &mode : p.ModeButton) {
        all.emplace_back("MODE", &mode);
    }
    for (ButtonState &band : p.BandButton) {
        all.emplace_back("BAND", &band);
    }
    return all;
}

std::set<std::string> EnabledButtons(PanelState &p)
{
    std::set<std::string> on, off;
    for (const auto &[name, button] : FunctionButtons(p)) {
        (button->Enabled ? on : off).insert(name);
    }
    for (const char *group : {"MODE", "BAND"}) {
        if (off.count(group)) {
            on.erase(group);
        }
    }
    return on;
}

} // namespace dorv::test
