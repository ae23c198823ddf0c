#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace {

class ProgramSmokeTest : public ::testing::TestWithParam<int> {};

// A copy of the program in an empty directory starts there offscreen, keeps its
// data files beside itself, stays up, and ends cleanly on a termination signal.
TEST_P(ProgramSmokeTest, copiedProgram_runsInItsDirectoryAndEndsCleanly)
{
    QTemporaryDir dir;
    const QString program = QDir(dir.path()).filePath("dorv-ft897");
    ASSERT_TRUE(QFile::copy(DORV_PROGRAM, program));

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(QDir::tempPath());
    process.start(program, {});
    ASSERT_TRUE(process.waitForStarted(5000));

    EXPECT_FALSE(process.waitForFinished(1000)) << process.readAllStandardError().toStdString();
    ASSERT_EQ(process.state(), QProcess::Running);
    EXPECT_TRUE(QFile::exists(QDir(dir.path()).filePath("ports.conf")));

    ::kill(static_cast<pid_t>(process.processId()), GetParam());
    ASSERT_TRUE(process.waitForFinished(5000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(Signals, ProgramSmokeTest, ::testing::Values(SIGTERM, SIGINT));

} // namespace

namespace {

// --help and --version answer on standard output without a display and end at once.
TEST(ProgramOptions, helpAndVersion_answerWithoutOpeningAWindow)
{
    const struct {
        QString arg;
        QString start;
    } rows[] = {{"--help", "usage: dorv-ft897"},
                {"-h", "usage: dorv-ft897"},
                {"--version", "dorv-ft897 0."}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.arg.toStdString());
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        process.setProcessEnvironment(env);
        process.start(DORV_PROGRAM, {row.arg});
        ASSERT_TRUE(process.waitForFinished(10000)) << "still running: a window opened";
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        EXPECT_TRUE(QString::fromUtf8(process.readAllStandardOutput()).startsWith(row.start));
    }
}

} // namespace
