#include "tables/table_file.h"

#include "tables/table_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <csignal>
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

std::string temporaryPrefix(const std::filesystem::path& path)
{
    return "." + path.filename().string() + ".new-";
}

// A writer killed between creating its new file and the rename leaves that
// file behind; it is removed once its process is gone.
void removeStaleTemporaries(const std::filesystem::path& directory, const std::filesystem::path& path)
{
    const std::string prefix = temporaryPrefix(path);
    std::error_code error;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix)) {
            continue;
        }
        const std::string digits = name.substr(prefix.size());
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 9) {
            continue;
        }
        const auto pid = static_cast<pid_t>(std::stol(digits));
        if (pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH) {
            ::unlink(it->path().c_str());
        }
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
                     static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
                     static_cast<uintmax_t>(info.st_ino)};
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
    removeStaleTemporaries(directory, path);
    const std::filesystem::path temporary = directory / (temporaryPrefix(path) + std::to_string(::getpid()));
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
