#include "Radio.h"
#include "app/AppFrame.h"
#include "app/MenuCaptions.h"

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
        radio_.lock.ShowDialog(true);
        break;
    case FileUnlock:
        radio_.lock.ShowDialog(false);
        break;
    case FileExit:
        EndDORV();
        break;
    default:
        radio_.files.mnuFileArray_Click(Index);
        break;
    }
}

void AppFrame::mnuSettingsArray_Click(int Index)
{
    switch (Index) {
    case TuneOnStartup: {
        MenuItem &item = radio_.panel.mnuSettingsArray[TuneOnStartup];
        item.Checked = !item.Checked;
        radio_.state.Settings.TuneOnStartup = item.Checked;
        radio_.host.panelChanged();
        break;
    }
    case TuningSteps:
        radio_.dialogs.frmTuningSteps.Form_Load();
        break;
    case RepeaterShifts:
        radio_.dialogs.frmRPTshift.Form_Load();
        break;
    case CtcssTones:
        radio_.dialogs.frmCTCSS.Form_Load();
        break;
    case DcsCodes:
        radio_.dialogs.frmDCS.Form_Load();
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
    radio_.host.setBusyPointer(true);
    radio_.memmgr.Show();
    radio_.host.setBusyPointer(false);
    radio_.host.panelChanged();
}

// The help text is opened with the desktop's viewer; when that fails the user is told
// which file to open, and where.
void AppFrame::mnuHelpArray_Click(int Index)
{
    if (Index == HelpContents) {
        if (!radio_.host.showHelp(kHelpFile)) {
            radio_.host.messageBox(std::string("The help file ") + kHelpFile +
                                       " could not be shown. It is kept in the program's "
                                       "directory; open it there with a web browser.",
                                   "Help", MsgIcon::Exclamation, MsgButtons::Ok);
        }
    } else if (Index == HelpAbout) {
        radio_.panel.frmAboutVisible = true;
        radio_.host.panelChanged();
    }
}

void AppFrame::btnOK_Click()
{
    radio_.panel.frmAboutVisible = false;
    radio_.host.panelChanged();
}

} // namespace dorv
