#include "app/AppFrame.h"
#include "app/DisplayLayout.h"
#include "app/MenuLock.h"
#include "app/TransmitTimeOut.h"
#include "app/Power.h"
#include "dialogs/SettingsDialogs.h"
#include "host/Host.h"
#include "memmgr/MemoryManager.h"
#include "model/MenuCaptions.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/files/DataFiles.h"
#include "panel/Enablement.h"

#include <string>

namespace dorv {

namespace {
enum FileItem { FileLock = 6, FileUnlock = 7, FileExit = 9 };
enum SettingsItem {
    TuningSteps = 8,
    RepeaterShifts = 9,
    CtcssTones = 11,
    DcsCodes = 12,
    TuneOnStartup = kTuneOnStartupItem
};
enum HelpItem { HelpContents = 0, HelpAbout = 2 };
} // namespace

void AppFrame::mnuFileArray_Click(int Index)
{
    switch (Index) {
    case FileLock:
        lock_.ShowDialog(true);
        break;
    case FileUnlock:
        lock_.ShowDialog(false);
        break;
    case FileExit:
        EndDORV();
        break;
    default:
        files_.mnuFileArray_Click(Index);
        break;
    }
}

void AppFrame::mnuSettingsArray_Click(int Index)
{
    switch (Index) {
    case TuneOnStartup: {
        MenuItem &item = panel_.mnuSettingsArray[TuneOnStartup];
        item.Checked = !item.Checked;
        state_.Settings.TuneOnStartup = item.Checked;
        host_.panelChanged();
        break;
    }
    case TuningSteps:
        dialogs_.frmTuningSteps.Form_Load();
        break;
    case RepeaterShifts:
        dialogs_.frmRPTshift.Form_Load();
        break;
    case CtcssTones:
        dialogs_.frmCTCSS.Form_Load();
        break;
    case DcsCodes:
        dialogs_.frmDCS.Form_Load();
        break;
    default:
        break;
    }
}

void AppFrame::mnuMemoryArray_Click(int Index)
{
    if (Index != 0) {
        return;
    }
    host_.setBusyPointer(true);
    memmgr_.Show();
    host_.setBusyPointer(false);
    host_.panelChanged();
}

// The help text is opened with the desktop's viewer; when that fails the user is told
// which file to open, and where.
void AppFrame::mnuHelpArray_Click(int Index)
{
    if (Index == HelpContents) {
        if (!host_.showHelp(kHelpFile)) {
            host_.messageBox(std::string("The help file ") + kHelpFile +
                                 " could not be shown. It is kept in the program's "
                                 "directory; open it there with a web browser.",
                             "Help", MsgIcon::Exclamation, MsgButtons::Ok);
        }
    } else if (Index == HelpAbout) {
        panel_.frmAboutVisible = true;
        host_.panelChanged();
    }
}

void AppFrame::btnOK_Click()
{
    panel_.frmAboutVisible = false;
    host_.panelChanged();
}

} // namespace dorv
