#include "core/files/FilesFixture.h"

#include <gtest/gtest.h>

namespace dorv::test {
namespace {

class MenuLockTest : public FilesTest {
protected:
    // Opens the dialog through the File menu, types and presses OK.
    void submit(int fileItem, const std::string &typed)
    {
        radio.app.mnuFileArray_Click(fileItem);
        radio.panel.frmLockUnLock.txtPassword = typed;
        radio.lock.cmdOK_Click();
    }
    void lock(const std::string &typed) { submit(6, typed); }
    void unlock(const std::string &typed) { submit(7, typed); }

    void expectLocked(bool locked)
    {
        const PanelState &p = radio.panel;
        EXPECT_EQ(s.MenusLocked, locked);
        for (int item : {0, 1, 3, 4, 6, 9}) {
            EXPECT_EQ(p.mnuFileArray[item].Enabled, !locked) << "File item " << item;
        }
        EXPECT_TRUE(p.mnuFileArray[7].Enabled);
        EXPECT_EQ(p.mnuSettings.Enabled, !locked);
        EXPECT_EQ(p.mnuMemory.Enabled, !locked);
        EXPECT_TRUE(p.mnuHelp.Enabled);
    }
};

TEST_F(MenuLockTest, lock_refusesShortOrBlankPasswords)
{
    for (const std::string typed : {"", "abc", "ab cd", "abcd ", "abcdefghijk"}) {
        SCOPED_TRACE("'" + typed + "'");
        host.messages.clear();
        lock(typed);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text,
                  "Password must be longer than 3 characters and may not contain empty space!");
        EXPECT_EQ(host.messages[0].title, "Lock Menus");
        EXPECT_TRUE(radio.panel.frmLockUnLock.Visible);
        EXPECT_TRUE(radio.panel.frmLockUnLock.PasswordSelected);
        expectLocked(false);
        radio.lock.cmdCancel_Click();
    }
}

TEST_F(MenuLockTest, lock_acceptsFourToTenCharactersAndUnlocksOnlyWithTheExactPassword)
{
    struct Case {
        std::string password;
        std::vector<std::string> wrong; // refused at unlock
    };
    const Case cases[] = {
        {"Abcd", {"abcd", "ABCD", "Abc", "Abcd ", ""}},
        {"abcdefghij", {"abcdefghi", "abcdefghijk"}},
        {"\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F", {"\xC3\x84\xC3\xB6\xC3\xBC\xC3\x9F"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.password);
        lock(c.password);
        EXPECT_TRUE(host.messages.empty());
        EXPECT_FALSE(radio.panel.frmLockUnLock.Visible);
        EXPECT_TRUE(radio.panel.frmLockUnLock.txtPassword.empty());
        expectLocked(true);

        for (const std::string &wrong : c.wrong) {
            host.messages.clear();
            unlock(wrong);
            ASSERT_EQ(host.messages.size(), 1u) << wrong;
            EXPECT_EQ(host.messages[0].text, "Invalid Password, try again!");
            EXPECT_TRUE(radio.panel.frmLockUnLock.PasswordSelected);
            radio.lock.cmdCancel_Click(); // Cancel keeps the lock as well
            expectLocked(true);
        }
        host.messages.clear();
        unlock(c.password);
        EXPECT_TRUE(host.messages.empty());
        EXPECT_FALSE(radio.panel.frmLockUnLock.Visible);
        expectLocked(false);
    }
}

} // namespace
} // namespace dorv::test
