#pragma once

#include <functional>

namespace dorv {

class DataFiles;
class DisplayLayout;
class Enablement;
class Host;
class MemoryManager;
class MenuLock;
struct PanelState;
class Power;
struct RadioState;
struct SettingsDialogs;
class TransmitTimeOut;

// The program's frame: start-up, the File items of the lock and Exit, the Settings,
// Memory and Help menus, the about box, and the exit procedure that writes the data files.
class AppFrame {
public:
    AppFrame(Host &host, RadioState &state, PanelState &panel, DataFiles &files, Power &power,
             Enablement &enablement, TransmitTimeOut &txTimeOut, DisplayLayout &display,
             MemoryManager &memmgr, MenuLock &lock, SettingsDialogs &dialogs)
        : host_(host), state_(state), panel_(panel), files_(files), power_(power),
          enablement_(enablement), txTimeOut_(txTimeOut), display_(display), memmgr_(memmgr),
          lock_(lock), dialogs_(dialogs)
    {
    }

    // The help text, a file beside the program.
    static constexpr const char *kHelpFile = "dorvft897.html";

    // The splash frmStartup: product name and version into lblWhat and lblVersion.
    void frmStartup_Load();
    // Loads the main window: builds the state, reads the band, settings and HOME files and
    // leaves the panel dark with the link off. Waits 2 s with the splash up, then calls
    // showMainWindow (hide the splash, show the main window) before the busy pointer goes.
    void frmRadio_Load(const std::function<void()> &showMainWindow = {});

    // File > Exit and the close box. Asks to save changed memories, then writes the band,
    // settings and HOME files (through the CAT switch when the link is on). Returns whether
    // the program may end; false leaves everything as it was. Sets ProgramEnded.
    bool EndDORV();

    // File menu: 0..4 the memory file commands, 6 and 7 the lock dialog, 9 Exit.
    void mnuFileArray_Click(int Index);
    void mnuSettingsArray_Click(int Index);
    void mnuMemoryArray_Click(int Index);
    void mnuHelpArray_Click(int Index);
    // OK of the about box.
    void btnOK_Click();

private:
    Host &host_;
    RadioState &state_;
    PanelState &panel_;
    DataFiles &files_;
    Power &power_;
    Enablement &enablement_;
    TransmitTimeOut &txTimeOut_;
    DisplayLayout &display_;
    MemoryManager &memmgr_;
    MenuLock &lock_;
    SettingsDialogs &dialogs_;
};

} // namespace dorv
