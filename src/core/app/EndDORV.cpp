#include "app/AppFrame.h"
#include "app/DisplayLayout.h"
#include "app/MenuLock.h"
#include "app/TransmitTimeOut.h"
#include "app/Power.h"
#include "dialogs/SettingsDialogs.h"
#include "host/Host.h"
#include "memmgr/MemoryManager.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/files/DataFiles.h"
#include "panel/Enablement.h"

namespace dorv {

bool AppFrame::EndDORV()
{
    RadioState &s = state_;
    if (panel_.ProgramEnded) {
        return true;
    }
    if (s.MemoryDirty) {
        const MsgAnswer answer = host_.messageBox(
            "You have made changes to memory. Would you like to save these changes before you "
            "exit?",
            "Save File", MsgIcon::Question, MsgButtons::YesNoCancel);
        if (answer == MsgAnswer::Cancel) {
            return false;
        }
        // A save that was cancelled or failed keeps the program running, so the changes are
        // not lost; the user may try again or answer No.
        if (answer == MsgAnswer::Yes && !files_.SaveCurrentMemoryFile()) {
            return false;
        }
    }
    // The CAT-off path stores the VFOs into the band table and writes the files itself.
    // Should the switch refuse (the port was lost), the files are written here instead.
    const bool linkWasOn = s.CatOn;
    if (linkWasOn) {
        power_.CATbutton_Click();
    }
    if (!linkWasOn || s.CatOn) {
        files_.SaveSessionFiles();
    }
    panel_.ProgramEnded = true;
    host_.panelChanged();
    return true;
}

} // namespace dorv
