// The top-level windows of the desktop and the programs they belong to, as
// the update check uses them to find the outside map viewer. They come from
// the X server's list of client windows (_NET_CLIENT_LIST, kept by the
// window manager) when a display is present; without a display there are
// none. Xlib is loaded at run time, so the program needs no X libraries.
#pragma once

#include "util/plain_message.h"

#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

namespace verdalis {

struct TopLevelWindow {
    unsigned long handle = 0;
    pid_t processId = 0; // 0 when the window does not say
    std::string className;
    std::string caption;
};

struct WindowEntryParts {
    bool fullPath = false;      // EXEName holds the full path, not the file name
    bool withProcessId = false;
    bool withClassName = false;
    bool withCaption = false;
};

// "HWnd=<handle>,EXEName=<executable>" followed, as asked, by
// ",ProcessID=<pid>", ",ClassName=<class>" and ",Caption=<text>"; class name
// and caption are cut to 255 characters. The executable is empty when the
// owning process cannot be read.
std::string formatWindowEntry(const TopLevelWindow& window, std::string_view executablePath,
                              const WindowEntryParts& parts);

// The desktop's top-level windows; empty without a display, and also when
// the window manager keeps no client list (then failed is set).
std::vector<TopLevelWindow> topLevelWindows(bool& failed);

// Appends one window entry per top-level window and answers true. The
// client list holds only application windows, so applicationsOnly keeps
// them all. When a display is present but its windows cannot be listed,
// shows "Error: Could not obtain process window hook from system.".
bool ListWindows(std::vector<std::string>& list, bool applicationsOnly, bool fullPath, bool withCaption,
                 bool withClassName, bool withProcessId, const ShowPlainMessage& showMessage = {});

// The handle of the first application window whose program's file name is
// executableName (letter case and a ".exe" ending ignored), else 0.
unsigned long FindApplicationWindow(std::string_view executableName);

} // namespace verdalis
