#include "util/execute_and_wait.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

namespace verdalis {
namespace {

using testing::readFile;
using testing::TempFolder;
using testing::writeFile;

using Arguments = std::vector<std::string>;

TEST(SplitCommandLine, SplitsAsAWindowsCommandLine)
{
    const std::pair<const char*, Arguments> cases[] = {
        {"/a /o /s /d C:\\Tables", {"/a", "/o", "/s", "/d", "C:\\Tables"}},
        {"  spaced\t out  ", {"spaced", "out"}},
        {"\"two words\" x", {"two words", "x"}},
        {"a\"b c\"d", {"ab cd"}},
        {"\"\"", {""}},
        {"a\\\\b", {"a\\\\b"}},
        {"a\\\"b", {"a\"b"}},
        {"\"a\\\\\" b", {"a\\", "b"}},
        {"\"unclosed quote", {"unclosed quote"}},
        {"", {}},
    };
    for (const auto& [parameters, arguments] : cases) {
        EXPECT_EQ(splitCommandLine(parameters), arguments) << parameters;
    }
}

TEST(ExecuteAndWait, RunsTheProgramInItsOwnFolderAndWaitsForItsEnd)
{
    const TempFolder folder;
    const auto script = folder / "package.sh";
    // The sleep shows that the call waits: the output is complete on return.
    writeFile(script, "#!/bin/sh\nsleep 0.2\npwd > where.txt\nfor a in \"$@\"; do echo \"[$a]\"; done >> where.txt\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);

    EXPECT_TRUE(ExecuteAndWait(script.string(), "/a /d \"Crop Tables\""));
    EXPECT_EQ(readFile(folder / "where.txt"), folder.path().string() + "\n[/a]\n[/d]\n[Crop Tables]\n");
}

TEST(ExecuteAndWait, ProgramThatFailsStillCountsAsStarted)
{
    const TempFolder folder;
    const auto script = folder / "fails.sh";
    writeFile(script, "#!/bin/sh\nexit 3\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    EXPECT_TRUE(ExecuteAndWait(script.string(), ""));
}

TEST(ExecuteAndWait, AnswersFalseWhenTheProgramCannotStart)
{
    const TempFolder folder;
    writeFile(folder / "not-executable.sh", "#!/bin/sh\n");
    EXPECT_FALSE(ExecuteAndWait((folder / "missing.exe").string(), "/a"));
    EXPECT_FALSE(ExecuteAndWait((folder / "not-executable.sh").string(), ""));
    EXPECT_FALSE(ExecuteAndWait((folder / "NoSuchFolder" / "x").string(), ""));
    EXPECT_FALSE(ExecuteAndWait("", ""));
}

} // namespace
} // namespace verdalis
