#include "data_set_header.h"

#include <cstdio>
#include <memory>

namespace strandel {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

} // namespace

DataSetHeader::ReadResult DataSetHeader::read(const std::string& path, const DataSetLayout& layout)
{
    path_ = path;
    layout_ = &layout;
    const File file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return ReadResult::NotFound;
    }
    bytes_.assign(layout.header.size, 0);
    const size_t length = std::fread(bytes_.data(), 1, bytes_.size(), file.get());
    if (length < layout.header.minimumSize()) {
        return ReadResult::Unreadable;
    }
    // The fields are read from the full-sized, zero-filled copy; only the file's own
    // bytes are written back.
    written_ = length;
    return ReadResult::Read;
}

bool DataSetHeader::write() const
{
    const File file(std::fopen(path_.c_str(), "r+b"));
    return file && std::fwrite(bytes_.data(), 1, written_, file.get()) == written_ && std::fflush(file.get()) == 0;
}

float DataSetHeader::coordinateBound() const
{
    return loadFloat(bytes_.data() + layout_->header.coordinateBound);
}

} // namespace strandel
