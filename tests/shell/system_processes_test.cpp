#include "shell/system_processes.h"

#include "util/running_processes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

namespace verdalis::testing {
namespace {

TEST(SystemProcesses, ListsThisProcessAndStartsPrograms)
{
    shell::SystemProcesses processes;
    EXPECT_THAT(processes.listProcesses(), ::testing::Contains(executableOfProcess(::getpid())));
    EXPECT_TRUE(processes.startAndWait("/bin/true", ""));
    EXPECT_TRUE(processes.start("/bin/true", ""));
    EXPECT_FALSE(processes.start("/nonexistent/SoftwareUpdater", "package.exe"));
    EXPECT_FALSE(processes.start("", ""));
}

} // namespace
} // namespace verdalis::testing
