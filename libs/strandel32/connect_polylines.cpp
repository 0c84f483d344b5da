// Names: "header", "list file", either optionally followed by "," and the directory
// the data sets lie in. The caller's strings are never written to.
#include "connect_polylines.h"

#include "data_set_files.h"
#include "data_set_layout.h"
#include "join_data_set.h"
#include "messages.h"

#include <algorithm>
#include <fstream>
#include <new>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace strandel {

namespace {

struct CallName {
    std::string target;                    // before the last comma
    std::optional<std::string> directory;  // after it
};

CallName splitAtLastComma(const std::string& name)
{
    const size_t comma = name.rfind(',');
    if (comma == std::string::npos) {
        return {name, std::nullopt};
    }
    return {name.substr(0, comma), name.substr(comma + 1)};
}

std::string placed(const std::string& name, const std::optional<std::string>& directory)
{
    return directory ? placeIntoDirectory(name, *directory) : name;
}

void failList(std::string_view text, std::string_view name = {})
{
    showMessage(caption::kConnectPolylines, std::string(text) + std::string(name));
}

std::optional<std::string> readListFile(const std::string& path, const std::string& callerName)
{
    std::ifstream file(resolveFile(toSystemPath(path)), std::ios::binary | std::ios::ate);
    if (!file) {
        failList(message::kCannotOpenFile, callerName);
        return std::nullopt;
    }
    const std::streamoff size = file.tellg();
    if (size < 0 || !file.seekg(0)) {
        failList(message::kCannotGetFileSize, callerName);
        return std::nullopt;
    }
    std::string contents;
    try {
        contents.resize(static_cast<size_t>(size));
    } catch (const std::bad_alloc&) {
        failList(message::kCannotAllocateMemory);
        return std::nullopt;
    }
    file.read(contents.data(), size);
    contents.resize(static_cast<size_t>(std::max<std::streamsize>(file.gcount(), 0)));
    if (contents.empty()) {
        failList(message::kCannotReadFile, callerName);
        return std::nullopt;
    }
    return contents;
}

// One list entry: the line without a carriage return at its end (lists written with
// CR LF line ends), cut at its first comma. Empty for a blank line.
std::string listEntry(std::string line)
{
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line.substr(0, line.find(','));
}

void joinListedDataSets(const std::string& contents, const CallName& call, float toleranceSquared, RunLog& log,
                        int64_t& knotTotal)
{
    std::istringstream lines(contents);
    for (std::string line; std::getline(lines, line);) {
        const std::string entry = listEntry(line);
        if (entry.empty()) {
            continue;
        }
        const std::string headerName = placed(entry, call.directory);
        if (joinDataSet(headerName, toleranceSquared, log, knotTotal) == 0) {
            showMessage(headerName, message::kNoTopology);
        }
    }
}

void storeKnotTotal(int32_t* knotCount, int64_t total)
{
    if (knotCount != nullptr) {
        *knotCount = static_cast<int32_t>(std::min<int64_t>(total, INT32_MAX));
    }
}

} // namespace

int32_t connectPolylines(const char* name, float tolerance, int32_t* knotCount, const char* logFile)
{
    if (name == nullptr) {
        showMessage(caption::kNoFile, message::kNoFileGiven);
        return 0;
    }
    RunLog log(logFile);
    if (logFile != nullptr && !log.isOpen()) {
        showMessage(caption::kConnectPolylines, std::string(message::kCannotOpenForWriting) + logFile);
    }
    const float toleranceSquared = tolerance * tolerance;
    const CallName call = splitAtLastComma(name);
    int64_t knotTotal = 0;
    if (lineTypeOfHeader(call.target)) {
        const int32_t result = joinDataSet(placed(call.target, call.directory), toleranceSquared, log, knotTotal);
        storeKnotTotal(knotCount, knotTotal);
        return result;
    }
    const std::optional<std::string> contents = readListFile(call.target, name);
    if (!contents) {
        return 0;
    }
    joinListedDataSets(*contents, call, toleranceSquared, log, knotTotal);
    storeKnotTotal(knotCount, knotTotal);
    return 1;
}

} // namespace strandel
