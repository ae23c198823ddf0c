#pragma once

#include <string>

namespace dorv {

class Host;
struct PanelState;
struct RadioState;

// Locks the menus behind a password so others at the station can operate the panel but not
// touch files, settings, the memory manager, Exit or MOX. Lasts until unlocked with the
// same password or the program ends; nothing of it is stored.
class MenuLock {
public:
    MenuLock(Host &host, RadioState &state, PanelState &panel)
        : host_(host), state_(state), panel_(panel)
    {
    }

    static constexpr int kMinPassword = 4;
    static constexpr int kMaxPassword = 10;

    // File > "Lock Menus..." (lock true) and "Unlock Menus...": shows frmLockUnLock.
    void ShowDialog(bool lock);
    // OK of the dialog, with the typed text in frmLockUnLock.txtPassword.
    void cmdOK_Click();
    void cmdCancel_Click();

    // At least four and at most ten characters, none of them a blank.
    static bool PasswordAcceptable(const std::string &password);

private:
    void Lock();
    void Unlock();
    void Refuse(const std::string &text, const std::string &title);
    void SetLockedItemsEnabled(bool enabled);

    Host &host_;

    RadioState &state_;

    PanelState &panel_;
    std::string password_; // empty while unlocked
};

} // namespace dorv
