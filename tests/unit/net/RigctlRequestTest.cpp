#include "net/RigctlRequest.h"

#include <gtest/gtest.h>

namespace dorv::test {
namespace {

// What a read-only client may not send: every command that sets something, and the VFO
// operations, in both their forms. Everything else only reads.
TEST(RigctlRequestTest, sets_areEveryCommandThatChangesSomethingInBothForms)
{
    for (const char letter : std::string("fFmMvVsSiIxXtTlGq")) {
        const std::optional<RigctlRequest> shortForm = ParseRigctlLine(std::string(1, letter));
        ASSERT_TRUE(shortForm) << letter;
        const std::string &name = shortForm->Command;
        const std::optional<RigctlRequest> longForm = ParseRigctlLine("+\\" + name);
        ASSERT_TRUE(longForm) << name;
        const bool changes = name.rfind("set_", 0) == 0 || name == "vfo_op";
        EXPECT_EQ(shortForm->IsSet, changes) << letter << " " << name;
        EXPECT_EQ(longForm->IsSet, changes) << name;
    }
    for (const char *longOnly : {"chk_vfo", "dump_state", "get_powerstat", "get_lock_mode"}) {
        EXPECT_FALSE(ParseRigctlLine(std::string("\\") + longOnly)->IsSet) << longOnly;
    }
    EXPECT_TRUE(ParseRigctlLine("\\set_lock_mode 1")->IsSet);
}

} // namespace
} // namespace dorv::test
