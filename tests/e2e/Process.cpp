#include "Process.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace e2e {

namespace {

std::vector<char *> CStrings(std::vector<std::string> &strings)
{
    std::vector<char *> out;
    for (std::string &s : strings) {
        out.push_back(s.data());
    }
    out.push_back(nullptr);
    return out;
}

[[noreturn]] void Exec(std::vector<std::string> argv, const std::vector<std::string> &env)
{
    for (const std::string &e : env) {
        putenv(strdup(e.c_str()));
    }
    auto args = CStrings(argv);
    execvp(args[0], args.data());
    _exit(127);
}

} // namespace

Process::Process(const std::vector<std::string> &argv, const std::vector<std::string> &env,
                 const std::string &outputFile)
{
    pid_ = fork();
    if (pid_ == 0) {
        setpgid(0, 0);
        const int out = open(outputFile.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (out >= 0) {
            dup2(out, STDOUT_FILENO);
            dup2(out, STDERR_FILENO);
            close(out);
        }
        Exec(argv, env);
    }
}

Process::Process(Process &&other) noexcept
    : pid_(other.pid_), reaped_(other.reaped_), status_(other.status_)
{
    other.pid_ = -1;
}

Process &Process::operator=(Process &&other) noexcept
{
    if (this != &other) {
        stop(SIGKILL, 1000);
        pid_ = other.pid_;
        reaped_ = other.reaped_;
        status_ = other.status_;
        other.pid_ = -1;
    }
    return *this;
}

Process::~Process()
{
    stop(SIGKILL, 1000);
}

bool Process::running()
{
    if (pid_ <= 0 || reaped_) {
        return false;
    }
    if (waitpid(pid_, &status_, WNOHANG) == pid_) {
        reaped_ = true;
    }
    return !reaped_;
}

int Process::stop(int signal, int timeoutMs)
{
    if (pid_ <= 0) {
        return -1;
    }
    if (running()) {
        kill(pid_, signal);
        WaitFor([this] { return !running(); }, timeoutMs);
    }
    if (running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status_, 0);
        reaped_ = true;
        return -1;
    }
    return WIFEXITED(status_) ? WEXITSTATUS(status_) : 128 + WTERMSIG(status_);
}

std::string Capture(const std::vector<std::string> &argv, const std::vector<std::string> &env,
                    int *exitCode)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return {};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDERR_FILENO);
        close(quiet);
        close(pipeFds[0]);
        close(pipeFds[1]);
        Exec(argv, env);
    }
    close(pipeFds[1]);
    std::string out;
    char buffer[512];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
        out.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (exitCode) {
        *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    while (!out.empty() && out.back() == '\n') {
        out.pop_back();
    }
    return out;
}

} // namespace e2e
