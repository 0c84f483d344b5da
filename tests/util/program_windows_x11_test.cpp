// The window listing against a real X server (Xvfb). The test plays the
// window manager: it publishes the client list on the root window itself.
#include "util/program_windows.h"

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace verdalis {
namespace {

constexpr int kDisplayNumberDescriptor = 3;

// An Xvfb server on a free display, named in DISPLAY while it runs.
class VirtualDisplay {
public:
    VirtualDisplay()
    {
        int readyPipe[2];
        if (::pipe(readyPipe) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        ::posix_spawn_file_actions_init(&actions);
        ::posix_spawn_file_actions_adddup2(&actions, readyPipe[1], kDisplayNumberDescriptor);
        std::string fd = std::to_string(kDisplayNumberDescriptor);
        char* argv[] = {const_cast<char*>("Xvfb"), const_cast<char*>("-displayfd"), fd.data(),
                        const_cast<char*>("-nolisten"), const_cast<char*>("tcp"), nullptr};
        const bool started = ::posix_spawnp(&server_, "Xvfb", &actions, nullptr, argv, environ) == 0;
        ::posix_spawn_file_actions_destroy(&actions);
        ::close(readyPipe[1]);
        std::string number;
        char c = 0;
        while (started && ::read(readyPipe[0], &c, 1) == 1 && c != '\n') {
            number += c;
        }
        ::close(readyPipe[0]);
        if (!started) {
            server_ = 0;
            return;
        }
        if (const char* old = std::getenv("DISPLAY")) {
            oldDisplay_ = old;
        }
        name_ = ":" + number;
        ::setenv("DISPLAY", name_.c_str(), 1);
    }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;
    ~VirtualDisplay()
    {
        oldDisplay_ ? ::setenv("DISPLAY", oldDisplay_->c_str(), 1) : ::unsetenv("DISPLAY");
        if (server_ > 0) {
            ::kill(server_, SIGTERM);
            int status = 0;
            while (::waitpid(server_, &status, 0) < 0 && errno == EINTR) {
            }
        }
    }
    bool running() const { return server_ > 0 && name_.size() > 1; }

private:
    pid_t server_ = 0;
    std::string name_;
    std::optional<std::string> oldDisplay_;
};

class ProgramWindowsOnX : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!display_.running()) {
            GTEST_SKIP() << "Xvfb is not available";
        }
        connection_ = XOpenDisplay(nullptr);
        ASSERT_NE(connection_, nullptr);
    }
    void TearDown() override
    {
        if (connection_ != nullptr) {
            XCloseDisplay(connection_);
        }
    }

    Window createWindow(const char* className, const char* caption, long processId)
    {
        const Window window = XCreateSimpleWindow(connection_, DefaultRootWindow(connection_), 0, 0, 10, 10, 0, 0, 0);
        XClassHint hint{const_cast<char*>("instance"), const_cast<char*>(className)};
        XSetClassHint(connection_, window, &hint);
        XStoreName(connection_, window, caption);
        XChangeProperty(connection_, window, XInternAtom(connection_, "_NET_WM_PID", False), XA_CARDINAL, 32,
                        PropModeReplace, reinterpret_cast<unsigned char*>(&processId), 1);
        return window;
    }

    void publishClientList(std::vector<Window> windows)
    {
        XChangeProperty(connection_, DefaultRootWindow(connection_), XInternAtom(connection_, "_NET_CLIENT_LIST", False),
                        XA_WINDOW, 32, PropModeReplace, reinterpret_cast<unsigned char*>(windows.data()),
                        static_cast<int>(windows.size()));
        XSync(connection_, False);
    }

    VirtualDisplay display_;
    Display* connection_ = nullptr;
};

TEST_F(ProgramWindowsOnX, ListsTheClientWindowsWithTheirPrograms)
{
    const Window viewer = createWindow("Kartvane", "Map Viewer - field.gst", ::getpid());
    const Window vanished = 0x7ffff0;
    publishClientList({viewer, vanished});
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();

    std::vector<std::string> list;
    std::vector<std::string> shown;
    EXPECT_TRUE(ListWindows(list, false, true, true, true, true,
                            [&](const std::string& message) { shown.push_back(message); }));
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(list, (std::vector<std::string>{
                        "HWnd=" + std::to_string(viewer) + ",EXEName=" + self + ",ProcessID="
                            + std::to_string(::getpid()) + ",ClassName=Kartvane,Caption=Map Viewer - field.gst",
                        "HWnd=" + std::to_string(vanished) + ",EXEName=,ProcessID=0,ClassName=,Caption=",
                    }));

    const std::string selfName = std::filesystem::path(self).filename().string();
    EXPECT_EQ(FindApplicationWindow(selfName + ".EXE"), viewer);
    EXPECT_EQ(FindApplicationWindow("KartvaneV2.exe"), 0u);
}

TEST_F(ProgramWindowsOnX, ReportsWhenTheWindowManagerKeepsNoClientList)
{
    std::vector<std::string> list;
    std::vector<std::string> shown;
    EXPECT_TRUE(ListWindows(list, true, false, false, false, false,
                            [&](const std::string& message) { shown.push_back(message); }));
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(shown, std::vector<std::string>{"Error: Could not obtain process window hook from system."});
}

} // namespace
} // namespace verdalis
