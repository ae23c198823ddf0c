#include "support/Chirp.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dorv::gui {
namespace {

using test::Chirp;

struct ProgramRun {
    int exitCode = -1;
    QString err;
};

// The real program, without a window.
ProgramRun Program(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(DORV_PROGRAM), args);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(CsvCommandLine, chirpList_importThenExport_readsBackTheSame)
{
    if (!Chirp::available()) {
        GTEST_SKIP() << Chirp::kMissing;
    }
    QTemporaryDir dir;
    const QString source = dir.filePath("plan.csv"), mem = dir.filePath("plan.mem"),
                  back = dir.filePath("back.csv");
    ASSERT_TRUE(Chirp::write(source.toStdString()));

    const ProgramRun import = Program({"--import-csv", source, mem});
    EXPECT_EQ(import.exitCode, 0) << import.err.toStdString();
    EXPECT_TRUE(import.err.contains("wrote 13 channels")) << import.err.toStdString();
    EXPECT_EQ(Contents(mem).size(), 103000);

    const ProgramRun exported = Program({"--export-csv", mem, back});
    EXPECT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_EQ(Chirp::dump(back.toStdString()), Chirp::dump(source.toStdString()));
}

TEST(CsvCommandLine, refusedRowsAndBadInput_writeNothing)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath("plan.csv"), mem = dir.filePath("plan.mem");
    Write(csv, "Location,Name,Frequency,Mode\n"
               "0,ok,145.500000,FM\n"
               "1,bad,145.5q,FM\n"
               "2,short\n");

    ProgramRun run = Program({"--import-csv", csv, mem});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("line 3: Frequency \"145.5q\" is not a frequency in MHz"))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("line 4: it has 2 columns, the header 4"));
    EXPECT_FALSE(QFile::exists(mem));

    run = Program({"--import-csv", csv, mem, "--force"});
    EXPECT_EQ(run.exitCode, 1) << "rows were still refused";
    EXPECT_EQ(Contents(mem).mid(0, 4), QByteArray::fromHex("f003de00")) << "145.5 MHz at 0";

    const QByteArray written = Contents(mem);
    Write(csv, QByteArray("\x00\x01\x02 binary", 10));
    EXPECT_EQ(Program({"--import-csv", csv, mem}).exitCode, 2);
    Write(csv, QByteArray(10 * 1024 * 1024, 'x'));
    EXPECT_EQ(Program({"--import-csv", csv, mem}).exitCode, 2);
    EXPECT_EQ(Contents(mem), written) << "nothing written on refusal";

    EXPECT_EQ(Program({"--import-csv", csv}).exitCode, 2);
    EXPECT_EQ(Program({"--export-csv", dir.filePath("missing.mem"), csv}).exitCode, 2);
    EXPECT_EQ(Program({"--export-csv", mem, dir.filePath("no/such/dir/x.csv")}).exitCode, 2);
}

} // namespace
} // namespace dorv::gui
