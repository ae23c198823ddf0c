#include "Radio.h"
#include "app/AppFrame.h"

namespace dorv {

bool AppFrame::EndDORV()
{
    RadioState &s = radio_.state;
    if (radio_.panel.ProgramEnded) {
        return true;
    }
    if (s.MemoryDirty) {
        const MsgAnswer answer = radio_.host.messageBox(
            "You have made changes to memory. Would you like to save these changes before you "
            "exit?",
            "Save File", MsgIcon::Question, MsgButtons::YesNoCancel);
        if (answer == MsgAnswer::Cancel) {
            return false;
        }
        // A save that was cancelled or failed keeps the program running, so the changes are
        // not lost; the user may try again or answer No.
        if (answer == MsgAnswer::Yes && !radio_.files.SaveCurrentMemoryFile()) {
            return false;
        }
    }
    // The CAT-off path stores the VFOs into the band table and writes the files itself.
    // Should the switch refuse (the port was lost), the files are written here instead.
    const bool linkWasOn = s.CatOn;
    if (linkWasOn) {
        radio_.power.CATbutton_Click();
    }
    if (!linkWasOn || s.CatOn) {
        radio_.files.SaveSessionFiles();
    }
    radio_.panel.ProgramEnded = true;
    radio_.host.panelChanged();
    return true;
}

} // namespace dorv
