#include "data_set_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace strandel {

namespace {

constexpr char kSeparator = '/';

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

size_t finalComponentStart(std::string_view name)
{
    const auto it = std::find_if(name.rbegin(), name.rend(), isSeparator);
    return static_cast<size_t>(name.rend() - it);
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::string toSystemPath(std::string_view name)
{
    std::string path(name);
    std::ranges::replace(path, '\\', kSeparator);
    return path;
}

std::string withExtension(std::string_view name, std::string_view extension)
{
    const size_t componentStart = finalComponentStart(name);
    const size_t dot = name.rfind('.');
    const size_t cut = dot != std::string_view::npos && dot >= componentStart ? dot : name.size();
    std::string result(name.substr(0, cut));
    result += extension;
    return result;
}

std::string placeIntoDirectory(std::string_view name, std::string_view directory)
{
    std::string joined = toSystemPath(directory);
    joined += kSeparator;
    joined += toSystemPath(name.substr(finalComponentStart(name)));
    std::string result;
    for (char c : joined) {
        if (!(c == kSeparator && !result.empty() && result.back() == kSeparator)) {
            result += c;
        }
    }
    return result;
}

std::string resolveFile(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path wanted(path);
    if (fs::exists(wanted, error)) {
        return path;
    }
    const fs::path folder = wanted.has_parent_path() ? wanted.parent_path() : fs::path(".");
    const std::string fileName = wanted.filename().string();
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (equalIgnoringCase(candidate, fileName)) {
            return wanted.has_parent_path() ? (folder / candidate).string() : candidate;
        }
    }
    return path;
}

} // namespace strandel
