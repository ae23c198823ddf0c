#pragma once

#include "model/PanelState.h"

#include <optional>

namespace dorv::gui {

// What a change of the panel state touched since the window last drew it. A status
// reading moves only the meter and BUSY, a knob step only a readout; the window then
// redraws those and nothing else.
class PanelChanges {
public:
    enum class Change {
        None,     // nothing the window draws from the panel state
        Meter,    // the meter's indicators or BUSY only
        Readouts, // the readouts' texts, perhaps with the meter and BUSY
        Other,    // anything else: the window redraws everything
    };

    // Compares the panel with the state taken last time and keeps it for the next call.
    Change take(const PanelState &panel);
    // As take() when only the meter and BUSY can have changed: Meter or None, without
    // comparing the rest; Other when nothing was taken yet.
    Change takeMeter(const PanelState &panel);
    // The next call answers Other: the window's controls may differ from what was drawn
    // (a checkable menu item ticks itself when chosen, whatever the handler then decides).
    void forget() { last_.reset(); }

private:
    std::optional<PanelState> last_;
};

} // namespace dorv::gui
