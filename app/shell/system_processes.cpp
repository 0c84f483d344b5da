#include "shell/system_processes.h"

#include "util/execute_and_wait.h"
#include "util/running_processes.h"

#include <thread>

#include <unistd.h>

namespace verdalis::shell {

std::vector<std::string> SystemProcesses::listProcesses()
{
    std::vector<std::string> paths;
    ListProcesses(paths);
    return paths;
}

bool SystemProcesses::start(const std::string& program, const std::string& parameters)
{
    if (program.empty() || ::access(program.c_str(), X_OK) != 0) {
        return false;
    }
    std::thread([program, parameters] { ExecuteAndWait(program, parameters); }).detach();
    return true;
}

bool SystemProcesses::startAndWait(const std::string& program, const std::string& parameters)
{
    return ExecuteAndWait(program, parameters);
}

} // namespace verdalis::shell
