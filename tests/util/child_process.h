// A program started by a test and ended (if still running) when the test
// ends.
#pragma once

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace verdalis::testing {

class ChildProcess {
public:
    ChildProcess(const std::filesystem::path& program, std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), program.string());
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        if (::posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
            throw std::runtime_error("cannot start " + program.string());
        }
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess()
    {
        if (!ended_) {
            ::kill(pid_, SIGKILL);
            wait();
        }
    }

    pid_t pid() const { return pid_; }
    // The wait status once the process has ended.
    int wait()
    {
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        ended_ = true;
        return status;
    }

private:
    pid_t pid_ = 0;
    bool ended_ = false;
};

} // namespace verdalis::testing
