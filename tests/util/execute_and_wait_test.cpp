#include "util/execute_and_wait.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

namespace verdalis {
namespace {

using testing::readFile;
using testing::TempFolder;
using testing::writeFile;

using Arguments = std::vector<std::string>;

std::filesystem::path writeScript(const TempFolder& folder, const char* name, const char* body)
{
    const auto script = folder / name;
    writeFile(script, std::string("#!/bin/sh\n") + body);
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    return script;
}

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
    // The sleep shows that the call waits: the output is complete on return.
    const auto script = writeScript(folder, "package.sh",
                                    "sleep 0.2\npwd > where.txt\nfor a in \"$@\"; do echo \"[$a]\"; done >> where.txt\n");

    EXPECT_TRUE(ExecuteAndWait(script.string(), "/a /d \"Crop Tables\""));
    EXPECT_EQ(readFile(folder / "where.txt"), folder.path().string() + "\n[/a]\n[/d]\n[Crop Tables]\n");
}

TEST(ExecuteAndWait, ProgramThatFailsStillCountsAsStarted)
{
    const TempFolder folder;
    EXPECT_TRUE(ExecuteAndWait(writeScript(folder, "fails.sh", "exit 3\n").string(), ""));
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
