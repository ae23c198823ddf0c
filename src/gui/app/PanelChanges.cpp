#include "app/PanelChanges.h"

namespace dorv::gui {

PanelChanges::Change PanelChanges::take(const PanelState &panel)
{
    if (!last_) {
        last_ = panel;
        return Change::Other;
    }
    PanelState &last = *last_;
    const bool meter = last.LMeter != panel.LMeter || last.lblBusy != panel.lblBusy;
    // With the meter's part taken over, the two compare equal when nothing else changed.
    last.LMeter = panel.LMeter;
    last.lblBusy = panel.lblBusy;
    if (last == panel)
        return meter ? Change::Meter : Change::None;
    last = panel;
    return Change::Other;
}

} // namespace dorv::gui
