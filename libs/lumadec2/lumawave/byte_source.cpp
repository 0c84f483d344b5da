#include "byte_source.h"

#include "error.h"
#include "file_handle.h"

#include <cstring>
#include <vector>

namespace lumawave {
namespace {

class FileSource final : public ByteSource {
public:
    FileSource(std::FILE* file, std::string path) : file_(file), path_(std::move(path))
    {
        if (fseeko(file_.get(), 0, SEEK_END) != 0) {
            throw Error("Error: cannot read " + path_ + ".");
        }
        const off_t end = ftello(file_.get());
        if (end < 0) {
            throw Error("Error: cannot read " + path_ + ".");
        }
        size_ = static_cast<std::uint64_t>(end);
    }

    std::uint64_t size() const override { return size_; }
    const std::string& name() const override { return path_; }

    void read(std::uint64_t offset, std::span<std::uint8_t> out) override
    {
        if (offset > size_ || out.size() > size_ - offset) {
            throw Error("Error: " + path_ + " is truncated.");
        }
        if (fseeko(file_.get(), static_cast<off_t>(offset), SEEK_SET) != 0
            || std::fread(out.data(), 1, out.size(), file_.get()) != out.size()) {
            throw Error("Error: cannot read " + path_ + ".");
        }
    }

private:
    FileHandle file_;
    std::string path_;
    std::uint64_t size_ = 0;
};

class MemorySource final : public ByteSource {
public:
    MemorySource(std::span<const std::uint8_t> bytes, std::string name)
        : bytes_(bytes.begin(), bytes.end()), name_(std::move(name))
    {
    }

    std::uint64_t size() const override { return bytes_.size(); }
    const std::string& name() const override { return name_; }

    void read(std::uint64_t offset, std::span<std::uint8_t> out) override
    {
        if (offset > bytes_.size() || out.size() > bytes_.size() - offset) {
            throw Error("Error: " + name_ + " is truncated.");
        }
        if (!out.empty()) {
            std::memcpy(out.data(), bytes_.data() + offset, out.size());
        }
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::string name_;
};

} // namespace

std::unique_ptr<ByteSource> openFileSource(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        throw Error("Error: cannot open " + path + ".");
    }
    return std::make_unique<FileSource>(file, path);
}

std::unique_ptr<ByteSource> memorySource(std::span<const std::uint8_t> bytes, std::string name)
{
    return std::make_unique<MemorySource>(bytes, std::move(name));
}

} // namespace lumawave
