#include "app/InfoOptions.h"
#include "support/Chirp.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

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

// A swapped or mistyped command must not turn a file into something else: each of these
// is refused with exit 2 and leaves every file as it was, byte for byte.
TEST(CsvCommandLine, mistypedCommands_areRefusedAndChangeNoFile)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath("plan.csv"), mem = dir.filePath("club.mem"),
                  notes = dir.filePath("notes.txt"), out = dir.filePath("out.csv");
    Write(csv, "Location,Name,Frequency,Mode\n0,Club,145.500000,FM\n1,Net,7.100000,LSB\n");
    ASSERT_EQ(Program({"--import-csv", csv, mem}).exitCode, 0);
    Write(notes, "Shopping: coax, PL-259 plugs.\n");
    const QStringList files = {csv, mem, notes};
    std::map<QString, QByteArray> before;
    for (const QString &file : files) {
        before[file] = Contents(file);
    }

    const struct {
        QStringList args;
        const char *says;
    } cases[] = {
        {{"--import-csv", csv, csv}, "the same file as source and target"},
        {{"--import-csv", csv, dir.path() + "/./plan.csv"}, "the same file"},
        {{"--export-csv", mem, mem}, "the same file"},
        {{"--import-csv", csv, notes}, "not a memory file"},
        {{"--export-csv", csv, out}, "not a memory file"},
        {{"--export-csv", notes, out}, "not a memory file"},
        {{"--import-csv", mem, dir.filePath("new.mem")}, "a memory file, not a channel list"},
        {{"--export-csv", mem, csv}, ""}, // allowed: a channel list is written over
        {{"--import-csv", csv, dir.filePath("other.mem")}, ""},
        {{"--export-csv", csv, mem}, "a memory file, not written over"},
        {{"--export-csv", dir.filePath("other.mem"), mem}, "a memory file, not written over"},
    };
    for (const auto &c : cases) {
        const bool allowed = std::string(c.says).empty();
        const ProgramRun run = Program(c.args);
        const std::string what = c.args.join(' ').toStdString() + "\n" + run.err.toStdString();
        if (allowed) {
            EXPECT_EQ(run.exitCode, 0) << what;
            before[c.args[2]] = Contents(c.args[2]);
            continue;
        }
        EXPECT_EQ(run.exitCode, 2) << what;
        EXPECT_TRUE(run.err.contains(c.says)) << what;
        for (const QString &file : files) {
            EXPECT_EQ(Contents(file), before[file]) << what << file.toStdString();
        }
        EXPECT_FALSE(QFile::exists(out)) << what;
        EXPECT_FALSE(QFile::exists(dir.filePath("new.mem"))) << what;
    }
}

// The option lines of --help and of the README's command line section.
std::vector<std::string> OptionLines(std::istream &in, const std::string &from)
{
    std::vector<std::string> lines;
    bool inside = from.empty();
    for (std::string line; std::getline(in, line);) {
        if (!inside) {
            inside = line == from;
            continue;
        }
        if (line.rfind("## ", 0) == 0) {
            break;
        }
        const auto start = line.find_first_not_of(' ');
        if (start != std::string::npos && start >= 2 && line.compare(start, 2, "--") == 0) {
            lines.push_back(line.substr(start));
        }
    }
    return lines;
}

TEST(CommandLine, helpAndReadme_listTheSameOptions)
{
    std::ostringstream help;
    const char *argv[] = {"dorv-ft897", "--help"};
    ASSERT_EQ(AnswerInfoOptions(2, argv, help), 0);
    std::istringstream helpText(help.str());
    std::ifstream readme(DORV_SOURCE_DIR "/README.md");
    ASSERT_TRUE(readme.is_open());

    const std::vector<std::string> listed = OptionLines(helpText, "");
    EXPECT_EQ(listed, OptionLines(readme, "## Command line"));
    for (const char *option :
         {"--help ", "--version ", "--rigctld ", "--export-csv ", "--import-csv ", "--force "}) {
        EXPECT_EQ(
            std::count_if(listed.begin(), listed.end(),
                          [&](const std::string &line) { return line.rfind(option, 0) == 0; }),
            1)
            << option;
    }
}

// A mistyped option is not ignored: the program names it and ends before any window.
TEST(CommandLine, unknownOptionOrStrayArgument_isAnErrorNamingIt)
{
    for (const QStringList &args :
         {QStringList{"--rigcltd", "4532"}, QStringList{"-x"},
          QStringList{"--rigctld", "4532", "club.mem"}, QStringList{"--force"}}) {
        const ProgramRun run = Program(args);
        const QString named = args.size() == 3 ? args[2] : args[0];
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(named)) << run.err.toStdString();
    }
}

} // namespace
} // namespace dorv::gui
