#include "app/FileFilter.h"

#include <gtest/gtest.h>

namespace dorv::gui {
namespace {

struct FilterCase {
    const char *filter;
    QStringList expected;
};

class QtNameFiltersTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(QtNameFiltersTest, qtNameFilters_givesOneQtFilterPerPair)
{
    EXPECT_EQ(qtNameFilters(QString::fromLatin1(GetParam().filter)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, QtNameFiltersTest,
    ::testing::Values(FilterCase{"Memory Files (*.mem)|*.mem|All Files (*.*)|*.*",
                                 {"Memory Files (*.mem)", "All Files (*)"}},
                      // The pattern after the bar is the one used, whatever the description shows.
                      FilterCase{"Band Files (*.txt)|*.dorv", {"Band Files (*.dorv)"}},
                      FilterCase{"Memory Files|*.mem", {"Memory Files (*.mem)"}},
                      FilterCase{"Pictures|*.bmp;*.gif", {"Pictures (*.bmp *.gif)"}},
                      FilterCase{"Text (*.txt)", {"Text (*.txt)"}}, FilterCase{"", {}}));

} // namespace
} // namespace dorv::gui
