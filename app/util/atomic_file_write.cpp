#include "util/atomic_file_write.h"

#include <cerrno>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace verdalis {
namespace {

constexpr mode_t kNewFileMode = 0644;
constexpr const char* kTemporarySuffix = ".tmp-XXXXXX";

// Owns the temporary file until it has been renamed into place; removes it
// on every failure path.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target)
        : name_(target.string() + kTemporarySuffix)
    {
        descriptor_ = ::mkstemp(name_.data());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        closeDescriptor();
        if (!renamed_) {
            ::unlink(name_.c_str());
        }
    }

    bool isOpen() const { return descriptor_ >= 0; }
    int descriptor() const { return descriptor_; }
    const std::string& name() const { return name_; }
    bool closeDescriptor()
    {
        const bool closed = descriptor_ < 0 || ::close(descriptor_) == 0;
        descriptor_ = -1;
        return closed;
    }
    void markRenamed() { renamed_ = true; }

private:
    std::string name_;
    int descriptor_ = -1;
    bool renamed_ = false;
};

bool writeAll(int descriptor, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(descriptor, contents.data(), contents.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        contents.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

mode_t modeFor(const std::filesystem::path& path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? (status.st_mode & 07777) : kNewFileMode;
}

[[noreturn]] void fail(const std::filesystem::path& path)
{
    throw FileWriteError("Unable to write to " + path.string() + ": " + std::strerror(errno));
}

} // namespace

void writeFileAtomically(const std::filesystem::path& path, std::string_view contents)
{
    TemporaryFile temporary(path);
    if (!temporary.isOpen()) {
        fail(path);
    }
    if (::fchmod(temporary.descriptor(), modeFor(path)) != 0 || !writeAll(temporary.descriptor(), contents)
        || ::fsync(temporary.descriptor()) != 0 || !temporary.closeDescriptor()) {
        fail(path);
    }
    if (::rename(temporary.name().c_str(), path.c_str()) != 0) {
        fail(path);
    }
    temporary.markRenamed();
}

} // namespace verdalis
