#pragma once

#include "panel/PanelState.h"

#include <optional>

namespace dorv::gui {

// What a change of the panel state touched since the window last drew it. A status
// reading moves only the meter and BUSY; the window then redraws those and nothing else.
class PanelChanges {
public:
    enum class Change {
        None,  // nothing the window draws from the panel state
        Meter, // the meter's indicators or BUSY only
        Other, // anything else: the window redraws everything
    };

    // Compares the panel with the state taken last time and keeps it for the next call.
    Change take(const PanelState &panel);

private:
    std::optional<PanelState> last_;
};

} // namespace dorv::gui
