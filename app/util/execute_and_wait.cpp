#include "util/execute_and_wait.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace verdalis {
namespace {

constexpr char kQuote = '"';
constexpr char kBackslash = '\\';

bool isArgumentBreak(char c) { return c == ' ' || c == '\t'; }

// Owns the spawn file actions for their whole use.
class SpawnActions {
public:
    SpawnActions() { valid_ = ::posix_spawn_file_actions_init(&actions_) == 0; }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    ~SpawnActions()
    {
        if (valid_) {
            ::posix_spawn_file_actions_destroy(&actions_);
        }
    }
    bool changeDirectory(const std::filesystem::path& dir)
    {
        return valid_ && ::posix_spawn_file_actions_addchdir_np(&actions_, dir.c_str()) == 0;
    }
    const posix_spawn_file_actions_t* get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_{};
    bool valid_ = false;
};

void waitUntilEnded(pid_t child)
{
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

std::vector<std::string> splitCommandLine(std::string_view parameters)
{
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool inQuotes = false;
    size_t i = 0;
    while (i < parameters.size()) {
        const char c = parameters[i];
        if (isArgumentBreak(c) && !inQuotes) {
            if (inArgument) {
                arguments.push_back(std::move(current));
                current.clear();
                inArgument = false;
            }
            ++i;
            continue;
        }
        inArgument = true;
        if (c == kBackslash) {
            size_t backslashes = 0;
            while (i < parameters.size() && parameters[i] == kBackslash) {
                ++backslashes;
                ++i;
            }
            const bool beforeQuote = i < parameters.size() && parameters[i] == kQuote;
            current.append(beforeQuote ? backslashes / 2 : backslashes, kBackslash);
            if (beforeQuote && backslashes % 2 == 1) {
                current += kQuote;
                ++i;
            }
            continue;
        }
        if (c == kQuote) {
            inQuotes = !inQuotes;
        } else {
            current += c;
        }
        ++i;
    }
    if (inArgument) {
        arguments.push_back(std::move(current));
    }
    return arguments;
}

bool ExecuteAndWait(std::string_view programPath, std::string_view parameters)
{
    if (programPath.empty()) {
        return false;
    }
    std::error_code error;
    const std::filesystem::path program = std::filesystem::absolute(std::filesystem::path(programPath), error);
    if (error) {
        return false;
    }
    SpawnActions actions;
    if (!actions.changeDirectory(program.parent_path())) {
        return false;
    }
    std::vector<std::string> arguments{program.string()};
    for (std::string& argument : splitCommandLine(parameters)) {
        arguments.push_back(std::move(argument));
    }
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    pid_t child = 0;
    if (::posix_spawn(&child, program.c_str(), actions.get(), nullptr, argv.data(), environ) != 0) {
        return false;
    }
    waitUntilEnded(child);
    return true;
}

} // namespace verdalis
