#include "panel/PanelDump.h"

#include "cat/PortWatch.h"

#include <sstream>

namespace dorv {

namespace {

int VisibleIndex(const std::array<LabelState, kModeCount> &labels)
{
    for (int i = 0; i < kModeCount; ++i) {
        if (labels[i].Visible) {
            return i;
        }
    }
    return -1;
}

std::string CheckedCaption(const MenuArray &menu)
{
    for (const MenuItem &item : menu) {
        if (item.Checked) {
            return item.Caption;
        }
    }
    return {};
}

} // namespace

std::string DumpPanel(const PanelState &p)
{
    std::ostringstream out;
    out << "Caption=" << p.Caption << '\n'
        << "WindowTitle=" << p.WindowTitle() << '\n'
        << "ledFreq=" << (p.ledFreqVisible ? p.ledFreq : "") << '\n'
        << "ledSubFreq=" << (p.ledSubFreqVisible ? p.ledSubFreq : "") << '\n'
        << "MainMode=" << VisibleIndex(p.lblMBmode) << '\n'
        << "SubMode=" << VisibleIndex(p.lblSBmode) << '\n'
        << "RptPlus=" << p.ImgRPTdirection[0] << '\n'
        << "RptMinus=" << p.ImgRPTdirection[1] << '\n'
        << "lblBusy=" << p.lblBusy.Visible << '\n'
        << "lblOnAir=" << p.lblOnAir.Visible << '\n'
        << "lblSPLIT=" << p.lblSPLIT.Visible << '\n'
        << "LEDsub=" << p.LEDsub << '\n'
        << "lblSCAN=" << p.lblSCAN.Visible << '\n'
        << "lblSEARCH=" << p.lblSEARCH.Visible << '\n'
        << "LMeterVisible=" << p.LMeterVisible << '\n'
        << "RadioNotAnswering=" << p.RadioNotAnswering << '\n'
        << "StatusMessage=" << PortWatch::StatusText(p) << '\n'
        << "DisplayDark=" << (p.DisplayPanelColour == kPanelDark) << '\n'
        << "SerialPort=" << CheckedCaption(p.mnuCommPortArray) << '\n'
        << "ledMRnumber=" << (p.ledMRnumberVisible ? p.ledMRnumber : "") << '\n'
        << "lblCH=" << p.lblCH.Visible << '\n'
        << "lblMemoryDesc=" << (p.lblMemoryDesc.Visible ? p.lblMemoryDesc.Caption : "") << '\n'
        << "lblSKIP=" << p.lblSKIP.Visible << '\n'
        << "lblMT=" << p.lblMT.Visible << '\n'
        << "lblMCK=" << p.lblMCK.Visible << '\n'
        << "lblQMB=" << p.lblQMB.Visible << '\n'
        << "frmMemoryManager=" << p.frmMemoryManagerVisible << '\n';
    const ScopeWindowState &scope = p.frmBandScope;
    out << "ScopeVisible=" << scope.Visible << '\n'
        << "ScopeButton=" << scope.cmdSCAN << '\n'
        << "ScopeCurrent=" << scope.txtCurrent << '\n'
        << "ScopeCentre=" << scope.txtCentre << '\n'
        << "ScopeNotAnswering=" << scope.NotAnswering << '\n'
        << "ScopeSweeps=" << scope.CompletedSweeps << '\n'
        << "ScopeSpeed=" << CheckedCaption(scope.mnuScopeScanSpeedArray) << '\n'
        << "ScopeStep=" << scope.listSteps << '\n'
        << "ScopeWidth=" << scope.listScanWidth << '\n'
        << "NetClients=" << p.NetClients << '\n'
        << "NetRefused=" << p.NetRefused << '\n'
        << "LinkStatus=" << p.LinkStatus << '\n';
    for (std::size_t i = 0; i < p.LMeter.size(); ++i) {
        const MeterIndicator &m = p.LMeter[i];
        out << "LMeter" << i << '=' << m.Start << ' ' << m.End << ' ' << m.Value << '\n';
    }
    return out.str();
}

} // namespace dorv
