#include "tables/table_cache.h"

#include "tables/table_error.h"
#include "tables/table_format.h"

#include <cassert>

namespace verdalis {
namespace {

std::string cacheKey(const std::filesystem::path& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return (error ? path : absolute).lexically_normal().string();
}

} // namespace

TableCache& TableCache::instance()
{
    static TableCache cache;
    return cache;
}

std::list<TableCache::Entry>::iterator TableCache::find(const std::string& key)
{
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->key == key) {
            return it;
        }
    }
    return entries_.end();
}

void TableCache::insertFront(Entry entry)
{
    const auto existing = find(entry.key);
    if (existing != entries_.end()) {
        entries_.erase(existing);
    }
    entries_.push_front(std::move(entry));
    if (entries_.size() > kCapacity) {
        entries_.pop_back();
    }
    assert(checkInvariants());
}

std::optional<LoadedTable> TableCache::peek(const std::filesystem::path& path)
{
    const std::string key = cacheKey(path);
    const std::lock_guard lock(mutex_);
    const auto it = find(key);
    if (it == entries_.end()) {
        return std::nullopt;
    }
    return LoadedTable{it->data, it->stamp};
}

uint64_t TableCache::newLineage()
{
    const std::lock_guard lock(mutex_);
    return ++lineageCount_;
}

LoadedTable TableCache::load(const std::filesystem::path& path, TableFormat format)
{
    const std::string key = cacheKey(path);
    const std::optional<FileStamp> stamp = fileStamp(path);
    if (!stamp) {
        throw TableError(path.string() + ": the table does not exist");
    }
    {
        const std::lock_guard lock(mutex_);
        const auto it = find(key);
        if (it != entries_.end() && it->stamp == *stamp && it->format == format) {
            entries_.splice(entries_.begin(), entries_, it);
            return {it->data, it->stamp};
        }
    }
    const std::string bytes = readWholeFile(path);
    // The file may change between the stat and the read; the stamp is taken
    // again so that the entry never claims a version it did not parse.
    const std::optional<FileStamp> readStamp = fileStamp(path);
    TableData decoded = decodeTable(format, bytes, path.string());
    decoded.lineage = newLineage();
    auto data = std::make_shared<const TableData>(std::move(decoded));
    const std::lock_guard lock(mutex_);
    ++parseCount_;
    if (readStamp && readStamp->size == bytes.size()) {
        insertFront(Entry{key, *readStamp, format, data});
        return {data, *readStamp};
    }
    // Changed while it was read: the next load parses it again.
    return {data, FileStamp{}};
}

FileStamp TableCache::store(const std::filesystem::path& path, std::shared_ptr<const TableData> data)
{
    const std::optional<FileStamp> stamp = fileStamp(path);
    const std::lock_guard lock(mutex_);
    if (!stamp) {
        return {};
    }
    insertFront(Entry{cacheKey(path), *stamp, data->format, std::move(data)});
    return *stamp;
}

void TableCache::clear()
{
    const std::lock_guard lock(mutex_);
    entries_.clear();
}

size_t TableCache::size() const
{
    const std::lock_guard lock(mutex_);
    return entries_.size();
}

size_t TableCache::parseCount() const
{
    const std::lock_guard lock(mutex_);
    return parseCount_;
}

bool TableCache::checkInvariants() const
{
    if (entries_.size() > kCapacity) {
        return false;
    }
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (!it->data || it->data->format != it->format) {
            return false;
        }
        for (auto later = std::next(it); later != entries_.end(); ++later) {
            if (later->key == it->key) {
                return false;
            }
        }
    }
    return true;
}

} // namespace verdalis
