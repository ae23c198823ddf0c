#include "app/PanelChanges.h"

#include <tuple>

namespace dorv::gui {

namespace {

template <typename Panel> auto readoutTexts(Panel &panel)
{
    return std::tie(panel.ledFreq, panel.ledSubFreq, panel.ledMRnumber);
}

} // namespace

PanelChanges::Change PanelChanges::take(const PanelState &panel)
{
    if (!last_) {
        last_ = panel;
        return Change::Other;
    }
    PanelState &last = *last_;
    const bool meter = last.LMeter != panel.LMeter || last.lblBusy != panel.lblBusy;
    const bool readouts = readoutTexts(last) != readoutTexts(panel);
    // With those parts taken over, the two compare equal when nothing else changed. The
    // knobs' positions are the core's count of handled turns: the face does not draw them.
    last.LMeter = panel.LMeter;
    last.lblBusy = panel.lblBusy;
    readoutTexts(last) = readoutTexts(panel);
    for (KnobState PanelState::*knob :
         {&PanelState::MainKnob, &PanelState::ClarKnob, &PanelState::ChannelKnob})
        (last.*knob).Value = (panel.*knob).Value;
    if (last != panel) {
        last = panel;
        return Change::Other;
    }
    if (readouts)
        return Change::Readouts;
    return meter ? Change::Meter : Change::None;
}

PanelChanges::Change PanelChanges::takeMeter(const PanelState &panel)
{
    if (!last_) {
        return Change::Other;
    }
    PanelState &last = *last_;
    if (last.LMeter == panel.LMeter && last.lblBusy == panel.lblBusy) {
        return Change::None;
    }
    last.LMeter = panel.LMeter;
    last.lblBusy = panel.lblBusy;
    return Change::Meter;
}

} // namespace dorv::gui
