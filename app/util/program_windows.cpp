#include "util/program_windows.h"

#include "util/path_text.h"
#include "util/running_processes.h"

#include <memory>

#if __has_include(<X11/Xlib.h>)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <dlfcn.h>
#define VERDALIS_HAVE_XLIB_HEADERS 1
#endif

namespace verdalis {
namespace {

constexpr size_t kWindowTextLimit = 255;
constexpr std::string_view kEnumerationFailedMessage = "Error: Could not obtain process window hook from system.";

std::string_view limited(std::string_view text) { return text.substr(0, kWindowTextLimit); }

#ifdef VERDALIS_HAVE_XLIB_HEADERS

constexpr const char* kXlibLibrary = "libX11.so.6";
// Longest property read, in 32-bit units: the client list of a crowded
// desktop, or a window title far over the 255 characters kept.
constexpr long kPropertyReadLimit = 65536;

// The few Xlib entry points used, resolved from the library at run time.
struct Xlib {
    decltype(&::XOpenDisplay) openDisplay = nullptr;
    decltype(&::XCloseDisplay) closeDisplay = nullptr;
    decltype(&::XDefaultRootWindow) defaultRootWindow = nullptr;
    decltype(&::XInternAtom) internAtom = nullptr;
    decltype(&::XGetWindowProperty) getWindowProperty = nullptr;
    decltype(&::XFree) free = nullptr;
    decltype(&::XSetErrorHandler) setErrorHandler = nullptr;
};

template <typename Function>
bool resolve(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

// Loaded once and kept for the life of the program: unloading Xlib while
// it has registered handlers is not safe.
const Xlib* loadXlib()
{
    static const std::unique_ptr<Xlib> xlib = []() -> std::unique_ptr<Xlib> {
        void* library = ::dlopen(kXlibLibrary, RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            return nullptr;
        }
        auto functions = std::make_unique<Xlib>();
        const bool complete = resolve(library, "XOpenDisplay", functions->openDisplay)
            && resolve(library, "XCloseDisplay", functions->closeDisplay)
            && resolve(library, "XDefaultRootWindow", functions->defaultRootWindow)
            && resolve(library, "XInternAtom", functions->internAtom)
            && resolve(library, "XGetWindowProperty", functions->getWindowProperty)
            && resolve(library, "XFree", functions->free)
            && resolve(library, "XSetErrorHandler", functions->setErrorHandler);
        return complete ? std::move(functions) : nullptr;
    }();
    return xlib.get();
}

// A window that closes while it is being read raises an X error; without
// this handler Xlib would end the program.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

class DisplayConnection {
public:
    explicit DisplayConnection(const Xlib& xlib) : xlib_(xlib), display_(xlib.openDisplay(nullptr))
    {
        previousHandler_ = xlib_.setErrorHandler(ignoreXError);
    }
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;
    ~DisplayConnection()
    {
        if (display_ != nullptr) {
            xlib_.closeDisplay(display_);
        }
        xlib_.setErrorHandler(previousHandler_);
    }
    Display* get() const { return display_; }

private:
    const Xlib& xlib_;
    Display* display_;
    XErrorHandler previousHandler_ = nullptr;
};

// One property's items: bytes for 8-bit properties, longs (as Xlib hands
// them out) for 32-bit ones.
struct PropertyValue {
    int format = 0;
    std::vector<unsigned char> bytes;
    std::vector<unsigned long> items;
};

bool readProperty(const Xlib& xlib, Display* display, Window window, Atom property, PropertyValue& value)
{
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long bytesAfter = 0;
    unsigned char* data = nullptr;
    if (xlib.getWindowProperty(display, window, property, 0, kPropertyReadLimit, False, AnyPropertyType, &actualType,
                               &actualFormat, &count, &bytesAfter, &data)
            != Success
        || data == nullptr) {
        return false;
    }
    const std::unique_ptr<unsigned char, int (*)(void*)> owned(data, xlib.free);
    if (actualType == None) {
        return false;
    }
    value.format = actualFormat;
    if (actualFormat == 8) {
        value.bytes.assign(data, data + count);
    } else if (actualFormat == 32) {
        const unsigned long* items = reinterpret_cast<const unsigned long*>(data);
        value.items.assign(items, items + count);
    }
    return true;
}

std::string textProperty(const Xlib& xlib, Display* display, Window window, Atom property)
{
    PropertyValue value;
    if (!readProperty(xlib, display, window, property, value) || value.format != 8) {
        return {};
    }
    return std::string(value.bytes.begin(), value.bytes.end());
}

// WM_CLASS holds the instance name and the class name, each ended by a NUL.
std::string windowClass(const Xlib& xlib, Display* display, Window window)
{
    const std::string both = textProperty(xlib, display, window, XA_WM_CLASS);
    const size_t instanceEnd = both.find('\0');
    if (instanceEnd == std::string::npos) {
        return {};
    }
    const std::string className = both.substr(instanceEnd + 1);
    return className.substr(0, className.find('\0'));
}

TopLevelWindow describeWindow(const Xlib& xlib, Display* display, Window window)
{
    TopLevelWindow description;
    description.handle = window;
    PropertyValue processId;
    if (readProperty(xlib, display, window, xlib.internAtom(display, "_NET_WM_PID", False), processId)
        && processId.format == 32 && !processId.items.empty()) {
        description.processId = static_cast<pid_t>(processId.items.front());
    }
    description.className = std::string(limited(windowClass(xlib, display, window)));
    std::string caption = textProperty(xlib, display, window, xlib.internAtom(display, "_NET_WM_NAME", False));
    if (caption.empty()) {
        caption = textProperty(xlib, display, window, XA_WM_NAME);
    }
    description.caption = std::string(limited(caption));
    return description;
}

#endif

} // namespace

std::string formatWindowEntry(const TopLevelWindow& window, std::string_view executablePath,
                              const WindowEntryParts& parts)
{
    std::string entry = "HWnd=" + std::to_string(window.handle) + ",EXEName="
        + std::string(parts.fullPath ? executablePath : fileNamePart(executablePath));
    if (parts.withProcessId) {
        entry += ",ProcessID=" + std::to_string(window.processId);
    }
    if (parts.withClassName) {
        entry += ",ClassName=" + std::string(limited(window.className));
    }
    if (parts.withCaption) {
        entry += ",Caption=" + std::string(limited(window.caption));
    }
    return entry;
}

std::vector<TopLevelWindow> topLevelWindows(bool& failed)
{
    failed = false;
    std::vector<TopLevelWindow> windows;
#ifdef VERDALIS_HAVE_XLIB_HEADERS
    const Xlib* xlib = loadXlib();
    if (xlib == nullptr) {
        return windows;
    }
    const DisplayConnection display(*xlib);
    if (display.get() == nullptr) {
        return windows;
    }
    PropertyValue clients;
    const Atom clientList = xlib->internAtom(display.get(), "_NET_CLIENT_LIST", False);
    if (!readProperty(*xlib, display.get(), xlib->defaultRootWindow(display.get()), clientList, clients)
        || clients.format != 32) {
        failed = true;
        return windows;
    }
    for (const unsigned long window : clients.items) {
        windows.push_back(describeWindow(*xlib, display.get(), window));
    }
#endif
    return windows;
}

bool ListWindows(std::vector<std::string>& list, bool /*applicationsOnly*/, bool fullPath, bool withCaption,
                 bool withClassName, bool withProcessId, const ShowPlainMessage& showMessage)
{
    bool failed = false;
    const WindowEntryParts parts{fullPath, withProcessId, withClassName, withCaption};
    for (const TopLevelWindow& window : topLevelWindows(failed)) {
        const std::string executable = window.processId > 0 ? executableOfProcess(window.processId) : std::string();
        list.push_back(formatWindowEntry(window, executable, parts));
    }
    if (failed && showMessage) {
        showMessage(std::string(kEnumerationFailedMessage));
    }
    return true;
}

unsigned long FindApplicationWindow(std::string_view executableName)
{
    bool failed = false;
    for (const TopLevelWindow& window : topLevelWindows(failed)) {
        const std::string executable = window.processId > 0 ? executableOfProcess(window.processId) : std::string();
        if (!executable.empty() && isSameProgramName(fileNamePart(executable), executableName)) {
            return window.handle;
        }
    }
    return 0;
}

} // namespace verdalis
