#include "georeference.h"

#include "lumawave/error.h"
#include "lumawave/file_handle.h"
#include "lumawave/metadata.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace lumadec2 {
namespace {

constexpr int kWorldFileLines = 6;
constexpr int kMaxLineLength = 80;
// Line order of a world file.
constexpr int kLinePixelSizeX = 0;
constexpr int kLineUpperLeftX = 4;
constexpr int kLineUpperLeftY = 5;

// Reads one line, keeping its first kMaxLineLength characters.
bool readLine(std::FILE* file, std::string& line)
{
    line.clear();
    int c = 0;
    while ((c = std::fgetc(file)) != EOF && c != '\n') {
        if (line.size() < kMaxLineLength) {
            line.push_back(static_cast<char>(c));
        }
    }
    return c != EOF || !line.empty();
}

} // namespace

std::string worldFilePath(const std::string& imagePath)
{
    std::filesystem::path path(imagePath);
    path.replace_extension(".QRW");
    if (!std::filesystem::exists(path)) {
        std::filesystem::path lower = path;
        lower.replace_extension(".qrw");
        if (std::filesystem::exists(lower)) {
            return lower.string();
        }
    }
    return path.string();
}

std::optional<Georeference> readWorldFile(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    lumawave::FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw lumawave::Error("Error: cannot read the world file " + path + ".");
    }
    std::array<double, kWorldFileLines> values{};
    std::string line;
    for (int i = 0; i < kWorldFileLines; ++i) {
        const auto number = readLine(file.get(), line) ? lumawave::parseNumbers(line, 1) : std::nullopt;
        if (!number) {
            throw lumawave::Error("Error: line " + std::to_string(i + 1) + " of the world file " + path
                                  + " is not a number.");
        }
        values[static_cast<std::size_t>(i)] = number->front();
    }
    // Pixels are taken as square: the x size alone sets the resolution (the y
    // size, negative in north-up files, is read only to check the file).
    return Georeference{values[kLineUpperLeftX], values[kLineUpperLeftY], values[kLinePixelSizeX]};
}

} // namespace lumadec2
