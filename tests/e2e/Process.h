#pragma once

#include <string>
#include <vector>

namespace e2e {

// A child process started with the given environment additions; killed when destroyed.
class Process {
public:
    Process() = default;
    Process(const std::vector<std::string> &argv, const std::vector<std::string> &env = {},
            const std::string &outputFile = "/dev/null");
    Process(Process &&other) noexcept;
    Process &operator=(Process &&other) noexcept;
    ~Process();

    bool running();
    // Sends the signal and waits up to timeoutMs; returns the exit status or -1.
    int stop(int signal, int timeoutMs = 5000);
    int pid() const { return pid_; }

private:
    int pid_ = -1;
    bool reaped_ = false;
    int status_ = 0;
};

// Runs a command to completion and returns its standard output (trailing newline cut).
std::string Capture(const std::vector<std::string> &argv, const std::vector<std::string> &env,
                    int *exitCode = nullptr);

// Polls the predicate every 50 ms until it holds or the timeout passes.
template <typename Pred> bool WaitFor(Pred pred, int timeoutMs);

} // namespace e2e

#include "Process.inl"
