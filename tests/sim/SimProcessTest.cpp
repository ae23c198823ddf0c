// Runs the real ft897-sim program on a pseudo-terminal and talks to it as a client would.

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <pwd.h>
#include <regex>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A scratch directory removed at the end of the test.
struct TempDir {
    TempDir()
    {
        std::string pattern = (fs::temp_directory_path() / "ft897-sim-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~TempDir() { fs::remove_all(path); }
    fs::path path;
};

// The simulator as a child process; its first stdout line is the slave path.
class SimProcess {
public:
    // stderrFile: where the program's messages go; empty = the test's own stderr.
    explicit SimProcess(std::vector<std::string> args, const fs::path &stderrFile = {})
    {
        int out[2];
        if (pipe(out) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            if (!stderrFile.empty()) {
                const int err = open(stderrFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
                dup2(err, STDERR_FILENO);
            }
            close(out[0]);
            close(out[1]);
            std::vector<char *> argv{const_cast<char *>(FT897_SIM_PATH)};
            for (std::string &a : args) {
                argv.push_back(a.data());
            }
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(out[1]);
        stdout_ = out[0];
    }
    ~SimProcess()
    {
        if (pid_ > 0 && !exited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        close(stdout_);
    }

    // The first line the program printed, or "" after the timeout.
    std::string firstLine(int timeoutMs = 5000)
    {
        std::string line;
        char c = 0;
        pollfd p{stdout_, POLLIN, 0};
        while (poll(&p, 1, timeoutMs) > 0 && read(stdout_, &c, 1) == 1 && c != '\n') {
            line += c;
        }
        return line;
    }

    // Exit status after a signal, or -1 when it did not end within the timeout.
    int stop(int sig = SIGTERM, int timeoutMs = 5000)
    {
        kill(pid_, sig);
        return waitExit(timeoutMs);
    }

    int waitExit(int timeoutMs = 5000)
    {
        for (int waited = 0; waited < timeoutMs; waited += 10) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
    int stdout_ = -1;
    bool exited_ = false;
};

// A client on the link, in raw mode as a serial program sets it.
class Client {
public:
    explicit Client(const fs::path &link)
    {
        fd_ = open(link.c_str(), O_RDWR | O_NOCTTY);
        if (fd_ >= 0) {
            termios tio{};
            tcgetattr(fd_, &tio);
            cfmakeraw(&tio);
            cfsetspeed(&tio, B4800);
            tio.c_cflag |= CSTOPB;
            tcsetattr(fd_, TCSANOW, &tio);
        }
    }
    ~Client() { close(fd_); }
    bool ok() const { return fd_ >= 0; }

    void send(const Bytes &bytes)
    {
        ASSERT_EQ(write(fd_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }

    // Reads until count bytes came or the timeout passed.
    Bytes receive(std::size_t count, int timeoutMs = 2000)
    {
        Bytes got;
        pollfd p{fd_, POLLIN, 0};
        while (got.size() < count && poll(&p, 1, timeoutMs) > 0) {
            std::uint8_t buffer[64];
            const ssize_t n = read(fd_, buffer, std::min(sizeof buffer, count - got.size()));
            if (n <= 0) {
                break;
            }
            got.insert(got.end(), buffer, buffer + n);
        }
        return got;
    }

private:
    int fd_ = -1;
};

std::vector<std::string> ReadLines(const fs::path &file)
{
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(SimProcess, serve_answersOverThePtyAndLogsEveryFrame)
{
    TempDir dir;
    const fs::path link = dir.path / "ft897";
    const fs::path log = dir.path / "frames.log";
    const fs::path signals = dir.path / "signals.txt";
    std::ofstream(signals) << "# one repeater\n145250000 9 12000\n";
    SimProcess sim({"--link", link, "--log", log, "--signals", signals, "--delay", "100"});
    const std::string slave = sim.firstLine();
    ASSERT_FALSE(slave.empty());
    ASSERT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), slave);

    {
        Client client(link);
        ASSERT_TRUE(client.ok());
        client.send({0x14, 0x52});
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        client.send({0x50, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0xE7});
        EXPECT_EQ(client.receive(1), Bytes{0x09});
        client.send({0, 0, 0, 0, 0x03});
        EXPECT_EQ(client.receive(5), (Bytes{0x14, 0x52, 0x50, 0x00, 0x08}));
    }
    // A client that closed its side does not stop the simulator serving the next one.
    Client again(link);
    again.send({0, 0, 0, 0, 0xF7});
    EXPECT_EQ(again.receive(1), Bytes{0x80});

    const std::vector<std::string> lines = ReadLines(log);
    const std::regex format(R"((\d+) (RX|TX)((?: [0-9A-F]{2})+))");
    std::vector<std::string> traffic;
    std::vector<long> times;
    for (const std::string &line : lines) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, format)) << line;
        times.push_back(std::stol(m[1]));
        traffic.push_back(m[2].str() + m[3].str());
    }
    EXPECT_EQ(traffic, (std::vector<std::string>{"RX 14 52 50 00 01", "RX 00 00 00 00 E7", "TX 09",
                                                 "RX 00 00 00 00 03", "TX 14 52 50 00 08",
                                                 "RX 00 00 00 00 F7", "TX 80"}));
    ASSERT_EQ(times.size(), 7u);
    EXPECT_TRUE(std::is_sorted(times.begin(), times.end()));
    EXPECT_GE(times[2] - times[1], 99); // the reply delay
    EXPECT_EQ(sim.stop(), 0);
}

TEST(SimProcess, stop_removesTheLinkAfterReplacingAStaleOne)
{
    TempDir dir;
    const fs::path link = dir.path / "ft897";
    fs::create_symlink("/dev/pts/does-not-exist", link);
    for (const int sig : {SIGTERM, SIGINT}) {
        SimProcess sim({"--link", link});
        const std::string slave = sim.firstLine();
        ASSERT_FALSE(slave.empty());
        EXPECT_EQ(fs::read_symlink(link), slave);
        EXPECT_EQ(sim.stop(sig), 0);
        EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
    }
}

TEST(SimProcess, start_refusesBadArgumentsAndNeverReplacesAFile)
{
    TempDir dir;
    const fs::path file = dir.path / "not-a-link";
    std::ofstream(file) << "keep me";
    SimProcess onFile({"--link", file});
    EXPECT_EQ(onFile.waitExit(), 1);
    EXPECT_EQ(ReadLines(file), std::vector<std::string>{"keep me"});

    SimProcess noLink({"--delay", "5"});
    EXPECT_EQ(noLink.waitExit(), 2);

    const fs::path badSignals = dir.path / "signals.txt";
    std::ofstream(badSignals) << "145250000 loud\n";
    SimProcess badFile({"--link", dir.path / "l", "--signals", badSignals});
    EXPECT_EQ(badFile.waitExit(), 2);
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir.path / "l")));
}

TEST(SimProcess, stray_partialFrameIsDroppedAfterAnIdleGapAndMarkedInTheLog)
{
    TempDir dir;
    const fs::path link = dir.path / "ft897";
    const fs::path log = dir.path / "frames.log";
    const fs::path signals = dir.path / "signals.txt";
    std::ofstream(signals) << "# nothing on the air\n";
    SimProcess sim({"--link", link, "--log", log, "--signals", signals});
    ASSERT_FALSE(sim.firstLine().empty());
    Client client(link);
    ASSERT_TRUE(client.ok());
    client.send({0x7E}); // a stray byte on the line
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    client.send({0, 0, 0, 0, 0xE7});
    EXPECT_EQ(client.receive(1), Bytes{0x80});

    std::vector<std::string> traffic;
    for (const std::string &line : ReadLines(log)) {
        traffic.push_back(line.substr(line.find(' ') + 1));
    }
    EXPECT_EQ(traffic, (std::vector<std::string>{"DISCARD 7E", "RX 00 00 00 00 E7", "TX 80"}));
}

// Signals files that are endless, block, are no file at all or hold a number that is
// not one: each ends the start at once with exit code 2 and names the file.
TEST(SimProcess, badSignalsFiles_exitWithTwoQuicklyAndSaySo)
{
    TempDir dir;
    const fs::path fifo = dir.path / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const fs::path nan = dir.path / "nan.txt";
    std::ofstream(nan) << "145250000 9 12000 nan\n";
    const fs::path big = dir.path / "big.txt";
    {
        std::ofstream out(big);
        for (int i = 0; i < 80000; ++i) {
            out << "145250000 9 # padding\n";
        }
    }
    const fs::path err = dir.path / "stderr.txt";
    for (const fs::path &file : {fs::path("/dev/zero"), fifo, dir.path, nan, big}) {
        SCOPED_TRACE(file.string());
        const auto start = std::chrono::steady_clock::now();
        SimProcess sim({"--link", dir.path / "l", "--signals", file}, err);
        EXPECT_EQ(sim.waitExit(3000), 2);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        const std::vector<std::string> message = ReadLines(err);
        ASSERT_EQ(message.size(), 1u);
        EXPECT_EQ(message[0].rfind("ft897-sim: " + file.string() + ": ", 0), 0u) << message[0];
        EXPECT_FALSE(fs::exists(fs::symlink_status(dir.path / "l")));
    }
}

// A log that cannot be opened is refused at the start; one whose writes fail later is
// reported once while the radio goes on answering.
TEST(SimProcess, logFailures_refusedAtStartOrReportedOnce)
{
    TempDir dir;
    const fs::path err = dir.path / "stderr.txt";
    const fs::path fifo = dir.path / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path &log : {dir.path / "missing" / "frames.log", fifo}) {
        SimProcess sim({"--link", dir.path / "l", "--log", log}, err);
        EXPECT_EQ(sim.waitExit(3000), 2) << log;
        ASSERT_EQ(ReadLines(err).size(), 1u);
        EXPECT_EQ(ReadLines(err)[0].rfind("ft897-sim: cannot write " + log.string() + ": ", 0), 0u);
    }

    SimProcess sim({"--link", dir.path / "l", "--log", "/dev/full"}, err);
    ASSERT_FALSE(sim.firstLine().empty());
    Client client(dir.path / "l");
    for (int i = 0; i < 3; ++i) {
        client.send({0, 0, 0, 0, 0xE7});
        EXPECT_EQ(client.receive(1).size(), 1u);
    }
    EXPECT_EQ(sim.stop(), 0);
    EXPECT_EQ(ReadLines(err), std::vector<std::string>{"ft897-sim: cannot write the log /dev/full: "
                                                       "No space left on device; the log stops "
                                                       "here"});
}
namespace {

struct Answer {
    std::string out;
    int exitCode = -1;
};

// Runs the program with these arguments and no radio to serve; its standard output.
// prefix: a command the program runs under.
Answer RunToEnd(const std::string &args, const std::string &prefix = "")
{
    Answer answer;
    FILE *pipe = popen(("timeout 20 " + prefix + FT897_SIM_PATH + " " + args).c_str(), "r");
    if (pipe == nullptr) {
        return answer;
    }
    char buffer[512];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        answer.out.append(buffer, n);
    }
    const int status = pclose(pipe);
    answer.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return answer;
}

TEST(SimProcess, helpAndVersion_answerOnStandardOutputAndExitZero)
{
    for (const char *args : {"--help", "-h", "--link /tmp/unused --help"}) {
        SCOPED_TRACE(args);
        const Answer help = RunToEnd(args);
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_EQ(help.out.rfind("usage: ft897-sim --link PATH", 0), 0u) << help.out;
        EXPECT_NE(help.out.find("--signals FILE"), std::string::npos) << help.out;
    }
    const Answer version = RunToEnd("--version");
    EXPECT_EQ(version.exitCode, 0);
    // The project's version, the one the package and the front panel carry.
    EXPECT_EQ(version.out, "ft897-sim " DORV_VERSION_STRING "\n");
}

} // namespace

namespace {

// Runs the program to its end as a user who is not root; its exit code and what it wrote.
Answer RunAsNonRoot(const std::string &args)
{
    const std::string user =
        geteuid() == 0 ? "setpriv --reuid=nobody --regid=nogroup --clear-groups " : "";
    return RunToEnd(args + " 2>&1", user);
}

TEST(SimProcess, linkInADirectoryTheUserMayNotWrite_saysWhoseItIsAndWhatToDo)
{
    TempDir temp;
    const fs::path locked = temp.path / "locked";
    fs::create_directory(locked);
    fs::permissions(temp.path,
                    fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    const bool root = geteuid() == 0;
    // As root the directory stays root's and the program runs as nobody; otherwise the
    // directory is made read-only for its owner, the test's user.
    fs::permissions(locked, root ? fs::perms::owner_all | fs::perms::group_read |
                                       fs::perms::group_exec | fs::perms::others_read |
                                       fs::perms::others_exec
                                 : fs::perms::owner_read | fs::perms::owner_exec);
    const std::string owner = root ? "root" : getpwuid(geteuid())->pw_name;
    const std::string groupName = getgrgid(getegid())->gr_name;
    const std::string link = (locked / "radio").string();
    const Answer answer = RunAsNonRoot("--link " + link);
    EXPECT_EQ(answer.exitCode, 1);
    EXPECT_EQ(answer.out, "ft897-sim: cannot make the link " + link + ": you may not write in " +
                              locked.string() + ", which belongs to " + owner + " and group " +
                              groupName + "; give --link a path in a directory of yours, such as " +
                              "/tmp/ft897.\n");

    // A directory its group may write: joining the group is the other remedy.
    const struct group *dialout = getgrnam("dialout");
    if (!root || dialout == nullptr) {
        return;
    }
    ASSERT_EQ(chown(locked.c_str(), 0, dialout->gr_gid), 0);
    fs::permissions(locked, fs::perms::group_write, fs::perm_options::add);
    EXPECT_NE(RunAsNonRoot("--link " + link)
                  .out.find("which belongs to root and group dialout; add yourself with: sudo "
                            "adduser $USER dialout, then log in again, or give --link a path"),
              std::string::npos);
}

} // namespace

// A serial server in front of the simulator sets the line as its client asks: the
// simulator prints each new setting after the terminal's path, so a test can see it arrive.
TEST(SimProcess, lineSetByTheClient_printedAfterThePath)
{
    TempDir dir;
    const fs::path link = dir.path / "ft897";
    SimProcess sim({"--link", link});
    ASSERT_FALSE(sim.firstLine().empty());
    Client client(link); // 4800 bit/s, 8N2
    ASSERT_TRUE(client.ok());
    EXPECT_EQ(sim.firstLine(), "line 4800 8N2");
    termios tio{};
    const int fd = open(link.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    tcgetattr(fd, &tio);
    cfsetspeed(&tio, B38400);
    tio.c_cflag &= ~CSTOPB;
    tcsetattr(fd, TCSANOW, &tio);
    close(fd);
    EXPECT_EQ(sim.firstLine(), "line 38400 8N1");
}

// Served on TCP: one client after the other, each answered, the radio's state kept.
TEST(SimProcess, tcp_servesClientsOneAfterTheOther)
{
    SimProcess sim({"--tcp", "127.0.0.1:0"});
    const std::string address = sim.firstLine();
    ASSERT_EQ(address.rfind("127.0.0.1:", 0), 0u) << address;
    const int port = std::stoi(address.substr(address.find(':') + 1));
    const auto exchange = [port](const Bytes &request, std::size_t replyLength) {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(static_cast<std::uint16_t>(port));
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        Bytes got;
        if (connect(fd, reinterpret_cast<sockaddr *>(&to), sizeof to) == 0 &&
            write(fd, request.data(), request.size()) == ssize_t(request.size())) {
            pollfd p{fd, POLLIN, 0};
            std::uint8_t buffer[16];
            while (got.size() < replyLength && poll(&p, 1, 2000) > 0) {
                const ssize_t n = read(fd, buffer, sizeof buffer);
                if (n <= 0) {
                    break;
                }
                got.insert(got.end(), buffer, buffer + n);
            }
        }
        close(fd);
        return got;
    };
    EXPECT_EQ(exchange({0x14, 0x52, 0x50, 0x00, 0x01, 0, 0, 0, 0, 0x03}, 5),
              (Bytes{0x14, 0x52, 0x50, 0x00, 0x08}));
    EXPECT_EQ(exchange({0, 0, 0, 0, 0x03}, 5), (Bytes{0x14, 0x52, 0x50, 0x00, 0x08}))
        << "the second client did not find the frequency the first one set";
    EXPECT_EQ(sim.stop(), 0);
}
