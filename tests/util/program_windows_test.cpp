#include "util/program_windows.h"

#include "util/field_split.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace verdalis {
namespace {

TEST(WindowEntry, HasTheAskedPartsInTheirOrder)
{
    const TopLevelWindow window{4194305, 812, "Kartvane", "Map Viewer - field.gst"};
    EXPECT_EQ(formatWindowEntry(window, "/opt/maps/KartvaneV2.exe", {}), "HWnd=4194305,EXEName=KartvaneV2.exe");
    EXPECT_EQ(formatWindowEntry(window, "/opt/maps/KartvaneV2.exe", {true, true, true, true}),
              "HWnd=4194305,EXEName=/opt/maps/KartvaneV2.exe,ProcessID=812,ClassName=Kartvane,"
              "Caption=Map Viewer - field.gst");
    EXPECT_EQ(formatWindowEntry(window, "", {false, false, true, false}), "HWnd=4194305,EXEName=,ClassName=Kartvane");
}

TEST(WindowEntry, ClassNameAndCaptionAreCutTo255Characters)
{
    const TopLevelWindow window{1, 2, std::string(300, 'c'), std::string(300, 't')};
    const std::string entry = formatWindowEntry(window, "", {false, false, true, true});
    EXPECT_EQ(entry, "HWnd=1,EXEName=,ClassName=" + std::string(255, 'c') + ",Caption=" + std::string(255, 't'));
}

TEST(WindowEntry, IsReadBackWithTheFieldSplitting)
{
    const TopLevelWindow window{77, 5, "Kartvane", ""};
    const std::string entry = formatWindowEntry(window, "/opt/maps/KartvaneV2.exe", {false, true, true, false});
    EXPECT_EQ(GetField(GetField(entry, 2, ','), 2, '='), "KartvaneV2.exe");
    EXPECT_EQ(GetField(GetField(entry, 4, ','), 2, '='), "Kartvane");
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnvironment() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(ListWindows, WithoutADisplayThereAreNoWindowsAndNoMessage)
{
    const ScopedEnvironment noDisplay("DISPLAY", nullptr);
    std::vector<std::string> list{"kept"};
    std::vector<std::string> shown;
    EXPECT_TRUE(ListWindows(list, true, true, true, true, true,
                            [&](const std::string& message) { shown.push_back(message); }));
    EXPECT_EQ(list, std::vector<std::string>{"kept"});
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(FindApplicationWindow("KartvaneV2.exe"), 0u);
}

} // namespace
} // namespace verdalis
