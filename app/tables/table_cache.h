// The process-wide cache of parsed tables. Reference tables are opened,
// searched and closed in every lookup; the cache makes a reopen of an
// unchanged file cost a stat instead of a parse.
//
// Invariants (checked by checkInvariants in debug builds):
//   1. Every entry holds data decoded from, or written to, the file whose
//      size and modification time its stamp records.
//   2. An entry's data is never changed after it was stored; tables that
//      change records work on a copy and store the copy after writing it.
//   3. The cache holds at most kCapacity entries; the least recently used
//      one goes first.
#pragma once

#include "tables/table_data.h"
#include "tables/table_file.h"

#include <filesystem>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace verdalis {

// A table as the cache hands it out, with the file version it came from.
struct LoadedTable {
    std::shared_ptr<const TableData> data;
    FileStamp stamp;
};

class TableCache {
public:
    static constexpr size_t kCapacity = 64;

    static TableCache& instance();

    // The table at `path`, parsed (with a new lineage) when it is not cached
    // or its file changed. Raises TableError when the file is missing or
    // cannot be parsed.
    LoadedTable load(const std::filesystem::path& path, TableFormat format);

    // Records data that was just written to `path`; returns the file version
    // it recorded.
    FileStamp store(const std::filesystem::path& path, std::shared_ptr<const TableData> data);

    // The entry for `path` as it is, without looking at the file: after a
    // write by this process it is the newest data of that file.
    std::optional<LoadedTable> peek(const std::filesystem::path& path);

    // A lineage for data that does not come from load.
    uint64_t newLineage();

    void clear();
    size_t size() const;
    // How many times load had to parse a file; for tests and benchmarks.
    size_t parseCount() const;

private:
    struct Entry {
        std::string key;
        FileStamp stamp;
        TableFormat format;
        std::shared_ptr<const TableData> data;
    };

    std::list<Entry>::iterator find(const std::string& key);
    void insertFront(Entry entry);
    bool checkInvariants() const;

    mutable std::mutex mutex_;
    std::list<Entry> entries_; // most recently used first
    size_t parseCount_ = 0;
    uint64_t lineageCount_ = 0;
};

} // namespace verdalis
