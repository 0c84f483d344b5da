// The running programs, as the single-instance check at start-up and the
// update runs see them: one entry per process, its executable's full path.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

namespace verdalis {

struct RunningProcess {
    pid_t processId = 0;
    std::string executablePath;
};

// Every process whose executable can be read (/proc/<pid>/exe); the others
// are left out. An executable replaced on disk since it started still
// counts under its path.
std::vector<RunningProcess> runningProcesses();

// The executable path of one process; empty when it cannot be read.
std::string executableOfProcess(pid_t processId);

// Appends the executable path of every running process.
void ListProcesses(std::vector<std::string>& list);

// With fullPath, an entry matches when it equals name; otherwise when its
// file name equals name's file name. Letter case is ignored.
int countMatchingProcesses(const std::vector<std::string>& executablePaths, std::string_view name, bool fullPath);
int CountRunningInstances(std::string_view name, bool fullPath);

// Like CountRunningInstances, but without fullPath an entry's file name is
// compared with name as it stands, so name must be a bare file name.
bool isProgramInList(const std::vector<std::string>& executablePaths, std::string_view name, bool fullPath);
bool IsProgramRunning(std::string_view name, bool fullPath);

// Whether two program file names name the same program: letter case is
// ignored and so is a ".exe" ending, which the Linux builds do not have.
bool isSameProgramName(std::string_view a, std::string_view b);

// Asks the map viewer to end (SIGTERM) — only when the file name of
// executableName is "KartvaneV2.exe"; for any other name answers false
// without looking. True when at least one running map viewer was asked.
bool CloseMapViewer(std::string_view executableName);

} // namespace verdalis
