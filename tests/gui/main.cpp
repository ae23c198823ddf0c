#include <QApplication>
#include <gtest/gtest.h>

// The windows under test need a QApplication for the whole run. Without a
// display the tests run on the offscreen platform (test discovery included).
int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
