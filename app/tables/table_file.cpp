#include "tables/table_file.h"

#include "tables/table_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace verdalis {
namespace {

constexpr mode_t kNewFileMode = 0644;

[[noreturn]] void failOn(const std::filesystem::path& path, const std::string& action)
{
    throw TableError(path.string() + ": cannot " + action + " (" + std::strerror(errno) + ")");
}

// Owns a file descriptor.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    // Closes now, so that a failing close is seen.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

void writeAll(int fd, std::string_view bytes, const std::filesystem::path& path)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            failOn(path, "write");
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
}

} // namespace

std::optional<FileStamp> fileStamp(const std::filesystem::path& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return FileStamp{static_cast<uintmax_t>(info.st_size),
                     static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

std::string readWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        failOn(path, "open the table");
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        failOn(path, "read the table");
    }
    return bytes;
}

void replaceFile(const std::filesystem::path& path, std::string_view bytes)
{
    const std::filesystem::path directory = path.parent_path().empty() ? "." : path.parent_path();
    const std::filesystem::path temporary =
        directory / ("." + path.filename().string() + ".new-" + std::to_string(::getpid()));
    mode_t mode = kNewFileMode;
    if (struct stat info {}; ::stat(path.c_str(), &info) == 0) {
        mode = info.st_mode & 07777;
    }
    try {
        Descriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
        if (file.get() < 0) {
            failOn(temporary, "create");
        }
        writeAll(file.get(), bytes, temporary);
        if (::fsync(file.get()) != 0) {
            failOn(temporary, "flush");
        }
        if (!file.close()) {
            failOn(temporary, "close");
        }
        if (::rename(temporary.c_str(), path.c_str()) != 0) {
            failOn(path, "replace");
        }
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    Descriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
}

} // namespace verdalis
