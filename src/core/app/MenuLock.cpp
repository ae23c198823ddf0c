#include "app/MenuLock.h"

#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"

#include <algorithm>

namespace dorv {

namespace {

constexpr const char *kLockCaption = "Lock Menus";
constexpr const char *kUnlockCaption = "Unlock Menus";
// File menu items the lock disables: New, Open..., Save, Save As..., Lock Menus..., Exit.
constexpr int kLockedFileItems[] = {0, 1, 3, 4, 6, 9};
constexpr int kUnlockItem = 7;

// Characters, not bytes, of UTF-8 text.
int CharacterCount(const std::string &text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

bool MenuLock::PasswordAcceptable(const std::string &password)
{
    const int length = CharacterCount(password);
    return password.find(' ') == std::string::npos && length >= kMinPassword &&
           length <= kMaxPassword;
}

void MenuLock::ShowDialog(bool lock)
{
    LockDialogState &dialog = panel_.frmLockUnLock;
    dialog.Caption = lock ? kLockCaption : kUnlockCaption;
    dialog.PasswordSelected = false;
    dialog.Visible = true;
    host_.panelChanged();
}

void MenuLock::cmdOK_Click()
{
    if (panel_.frmLockUnLock.Caption == kLockCaption) {
        Lock();
    } else {
        Unlock();
    }
    host_.panelChanged();
}

void MenuLock::cmdCancel_Click()
{
    LockDialogState &dialog = panel_.frmLockUnLock;
    dialog.txtPassword.clear();
    dialog.Visible = false;
    host_.panelChanged();
}

void MenuLock::Lock()
{
    LockDialogState &dialog = panel_.frmLockUnLock;
    if (!PasswordAcceptable(dialog.txtPassword)) {
        Refuse("Password must be longer than 3 characters and may not contain empty space!",
               kLockCaption);
        return;
    }
    password_ = dialog.txtPassword;
    dialog.txtPassword.clear();
    SetLockedItemsEnabled(false);
    state_.MenusLocked = true;
    dialog.Visible = false;
}

// Exact and case-sensitive.
void MenuLock::Unlock()
{
    LockDialogState &dialog = panel_.frmLockUnLock;
    if (dialog.txtPassword != password_) {
        Refuse("Invalid Password, try again!", "Login");
        return;
    }
    password_.clear();
    dialog.txtPassword.clear();
    SetLockedItemsEnabled(true);
    panel_.mnuFileArray[kUnlockItem].Enabled = true;
    state_.MenusLocked = false;
    dialog.Visible = false;
}

// The dialog stays open with its text selected, so typing replaces it.
void MenuLock::Refuse(const std::string &text, const std::string &title)
{
    host_.messageBox(text, title, MsgIcon::None, MsgButtons::Ok);
    panel_.frmLockUnLock.PasswordSelected = true;
}

void MenuLock::SetLockedItemsEnabled(bool enabled)
{
    PanelState &panel = panel_;
    for (int index : kLockedFileItems) {
        panel.mnuFileArray[index].Enabled = enabled;
    }
    panel.mnuSettings.Enabled = enabled;
    panel.mnuMemory.Enabled = enabled;
}

} // namespace dorv
