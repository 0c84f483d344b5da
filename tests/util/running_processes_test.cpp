#include "util/running_processes.h"

#include "child_process.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <unistd.h>

namespace verdalis {
namespace {

using testing::ChildProcess;
using testing::TempFolder;

// A copy of sleep under a name of the test's choosing, so that the test
// knows exactly which processes run from that path.
std::filesystem::path sleeperNamed(const TempFolder& folder, const std::string& name)
{
    const std::filesystem::path copy = folder / name;
    std::filesystem::copy_file("/bin/sleep", copy);
    std::filesystem::permissions(copy, std::filesystem::perms::owner_all);
    return copy;
}

TEST(ProcessMatching, FullPathOrFileNameWithoutRegardToCase)
{
    const std::vector<std::string> running{"/opt/Verdalis/Verdalis", "/home/ann/Verdalis/verdalis", "/usr/bin/bash",
                                           "/opt/Maps/TambZorvUpdate.exe"};
    EXPECT_EQ(countMatchingProcesses(running, "/opt/verdalis/VERDALIS", true), 1);
    EXPECT_EQ(countMatchingProcesses(running, "/srv/other/Verdalis", false), 2);
    EXPECT_EQ(countMatchingProcesses(running, "C:\\Program Files\\Verdalis", false), 2);
    EXPECT_EQ(countMatchingProcesses(running, "Verdalis", true), 0);
    EXPECT_EQ(countMatchingProcesses({}, "Verdalis", false), 0);

    EXPECT_TRUE(isProgramInList(running, "tambzorvupdate.EXE", false));
    // The name is compared as it stands: a path never equals a file name.
    EXPECT_FALSE(isProgramInList(running, "/opt/Maps/TambZorvUpdate.exe", false));
    EXPECT_TRUE(isProgramInList(running, "/opt/Maps/TambZorvUpdate.exe", true));
}

TEST(RunningProcesses, ListsThisProgramWithItsFullPath)
{
    std::vector<std::string> list{"kept"};
    ListProcesses(list);
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    EXPECT_EQ(list.front(), "kept");
    EXPECT_NE(std::find(list.begin(), list.end(), self), list.end());
    EXPECT_EQ(executableOfProcess(::getpid()), self);
    EXPECT_EQ(executableOfProcess(-1), "");
}

TEST(RunningProcesses, CountsInstancesStartedFromTheSamePath)
{
    const TempFolder folder;
    const auto program = sleeperNamed(folder, "VerdalisInstance");
    ChildProcess first(program, {"30"});
    ChildProcess second(program, {"30"});
    std::string upperCasePath = program.string();
    std::transform(upperCasePath.begin(), upperCasePath.end(), upperCasePath.begin(), ::toupper);

    EXPECT_EQ(CountRunningInstances(program.string(), true), 2);
    EXPECT_EQ(CountRunningInstances(upperCasePath, true), 2);
    EXPECT_EQ(CountRunningInstances("C:\\Other\\verdalisinstance", false), 2);
    EXPECT_TRUE(IsProgramRunning("VERDALISINSTANCE", false));
    EXPECT_FALSE(IsProgramRunning((folder / "Elsewhere" / "VerdalisInstance").string(), true));
}

TEST(CloseMapViewer, OtherProgramsAreNeitherLookedForNorTouched)
{
    const TempFolder folder;
    ChildProcess other(sleeperNamed(folder, "Other.exe"), {"30"});
    EXPECT_FALSE(CloseMapViewer("Other.exe"));
    EXPECT_FALSE(CloseMapViewer("C:\\Maps\\KartvaneV3.exe"));
    EXPECT_EQ(CountRunningInstances("Other.exe", false), 1);
}

TEST(CloseMapViewer, AsksTheRunningMapViewerToEnd)
{
    const TempFolder folder;
    ChildProcess viewer(sleeperNamed(folder, "kartvanev2"), {"30"});
    EXPECT_TRUE(CloseMapViewer("C:\\Maps\\KartvaneV2.exe"));
    const int status = viewer.wait();
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
    EXPECT_FALSE(CloseMapViewer("KARTVANEV2.EXE"));
}

TEST(ProgramNames, IgnoreCaseAndAWindowsProgramEnding)
{
    EXPECT_TRUE(isSameProgramName("KartvaneV2.exe", "kartvanev2"));
    EXPECT_TRUE(isSameProgramName("KARTVANEV2.EXE", "KartvaneV2.exe"));
    EXPECT_FALSE(isSameProgramName("KartvaneV2.exe", "KartvaneV2.ex"));
    EXPECT_FALSE(isSameProgramName(".exe", ""));
}

} // namespace
} // namespace verdalis
