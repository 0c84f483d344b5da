#include "util/running_processes.h"

#include "util/path_text.h"
#include "util/text_case.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

#include <csignal>
#include <unistd.h>

namespace verdalis {
namespace {

constexpr const char* kProcessDirectory = "/proc";
constexpr std::string_view kDeletedMarker = " (deleted)";
constexpr std::string_view kWindowsProgramExtension = ".exe";
constexpr std::string_view kMapViewerName = "KartvaneV2.exe";

bool parseProcessId(const std::string& name, pid_t& processId)
{
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), processId);
    return error == std::errc() && end == name.data() + name.size() && processId > 0;
}

std::string_view withoutWindowsExtension(std::string_view name)
{
    if (name.size() > kWindowsProgramExtension.size()
        && equalsIgnoringCase(name.substr(name.size() - kWindowsProgramExtension.size()), kWindowsProgramExtension)) {
        name.remove_suffix(kWindowsProgramExtension.size());
    }
    return name;
}

std::vector<std::string> executablePaths(const std::vector<RunningProcess>& processes)
{
    std::vector<std::string> paths;
    paths.reserve(processes.size());
    for (const RunningProcess& process : processes) {
        paths.push_back(process.executablePath);
    }
    return paths;
}

} // namespace

std::string executableOfProcess(pid_t processId)
{
    std::error_code error;
    const std::filesystem::path link = std::filesystem::path(kProcessDirectory) / std::to_string(processId) / "exe";
    std::string path = std::filesystem::read_symlink(link, error).string();
    if (error) {
        return {};
    }
    if (path.ends_with(kDeletedMarker)) {
        path.resize(path.size() - kDeletedMarker.size());
    }
    return path;
}

std::vector<RunningProcess> runningProcesses()
{
    std::vector<RunningProcess> processes;
    std::error_code error;
    for (std::filesystem::directory_iterator it(kProcessDirectory, error), end; !error && it != end;
         it.increment(error)) {
        pid_t processId = 0;
        if (!parseProcessId(it->path().filename().string(), processId)) {
            continue;
        }
        std::string executable = executableOfProcess(processId);
        if (!executable.empty()) {
            processes.push_back({processId, std::move(executable)});
        }
    }
    return processes;
}

void ListProcesses(std::vector<std::string>& list)
{
    for (RunningProcess& process : runningProcesses()) {
        list.push_back(std::move(process.executablePath));
    }
}

int countMatchingProcesses(const std::vector<std::string>& paths, std::string_view name, bool fullPath)
{
    const std::string_view wanted = fullPath ? name : fileNamePart(name);
    return static_cast<int>(std::count_if(paths.begin(), paths.end(), [&](const std::string& path) {
        return equalsIgnoringCase(fullPath ? std::string_view(path) : fileNamePart(path), wanted);
    }));
}

int CountRunningInstances(std::string_view name, bool fullPath)
{
    return countMatchingProcesses(executablePaths(runningProcesses()), name, fullPath);
}

bool isProgramInList(const std::vector<std::string>& paths, std::string_view name, bool fullPath)
{
    return std::any_of(paths.begin(), paths.end(), [&](const std::string& path) {
        return equalsIgnoringCase(fullPath ? std::string_view(path) : fileNamePart(path), name);
    });
}

bool IsProgramRunning(std::string_view name, bool fullPath)
{
    return isProgramInList(executablePaths(runningProcesses()), name, fullPath);
}

bool isSameProgramName(std::string_view a, std::string_view b)
{
    return equalsIgnoringCase(withoutWindowsExtension(a), withoutWindowsExtension(b));
}

bool CloseMapViewer(std::string_view executableName)
{
    if (!isSameProgramName(fileNamePart(executableName), kMapViewerName)) {
        return false;
    }
    bool asked = false;
    for (const RunningProcess& process : runningProcesses()) {
        if (isSameProgramName(fileNamePart(process.executablePath), kMapViewerName)
            && ::kill(process.processId, SIGTERM) == 0) {
            asked = true;
        }
    }
    return asked;
}

} // namespace verdalis
