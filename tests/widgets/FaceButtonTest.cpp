#include "widgets/FaceButton.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using dorv::FaceButton;

namespace {

class FaceButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        button.setUpperLegend("RPT");
        button.resize(60, 50);
        button.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    }

    QPoint onKey() const { return button.keyRect().center().toPoint(); }

    FaceButton button{"1"};
    QSignalSpy clicks{&button, &FaceButton::clicked};
};

} // namespace

TEST_F(FaceButtonTest, click_onTheKeyClicks)
{
    QTest::mouseClick(&button, Qt::LeftButton, {}, onKey());
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(FaceButtonTest, click_onTheUpperLegendDoesNot)
{
    // The legend is printed on the panel above the key, not on the key.
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(30, 3));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(FaceButtonTest, keyboard_spaceClicksTheFocusedKey)
{
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(FaceButtonTest, disabled_ignoresMouseAndKeys)
{
    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton, {}, onKey());
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(FaceButtonTest, keyRect_leavesRoomForTheUpperLegendOnlyWhenThereIsOne)
{
    EXPECT_GT(button.keyRect().top(), button.height() * 0.2);
    button.setUpperLegend(QString());
    EXPECT_LT(button.keyRect().top(), 1.0);
}
