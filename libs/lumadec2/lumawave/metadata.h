// The text metadata of an image: key/value pairs in file order. The keys
// below are the ones the toolkit and its hosts know; a file may carry others.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace lumawave {

namespace keys {
inline constexpr const char* kXyOrigin = "IMAGE::XY_ORIGIN";  // "x y" of the upper-left corner
inline constexpr const char* kXResolution = "IMAGE::X_RESOLUTION";
inline constexpr const char* kYResolution = "IMAGE::Y_RESOLUTION";
inline constexpr const char* kNoDataValue = "IMAGE::NO_DATA_VALUE";
inline constexpr const char* kInputLut = "IMAGE::INPUT_LUT";
inline constexpr const char* kDataType = "IMAGE::DATA_TYPE";
inline constexpr const char* kColorScheme = "IMAGE::COLOR_SCHEME";
inline constexpr const char* kBitsPerSample = "IMAGE::BITS_PER_SAMPLE";
inline constexpr const char* kNoDither = "IMAGE::NO_DITHER";
inline constexpr const char* kXRotation = "IMAGE::X_ROTATION";
inline constexpr const char* kYRotation = "IMAGE::Y_ROTATION";
inline constexpr const char* kDynamicRangeLevel = "IMAGE::DYNAMIC_RANGE_LEVEL";
inline constexpr const char* kDynamicRangeWindow = "IMAGE::DYNAMIC_RANGE_WINDOW";
} // namespace keys

class Metadata {
public:
    using Entry = std::pair<std::string, std::string>;

    // Sets `key`, replacing an earlier value of the same key.
    void set(const std::string& key, const std::string& value);
    std::optional<std::string> find(const std::string& key) const;
    const std::vector<Entry>& entries() const { return entries_; }

    std::vector<std::uint8_t> serialise() const;
    // Parses the metadata section; returns nothing when it is malformed.
    static std::optional<Metadata> parse(std::span<const std::uint8_t> bytes);

private:
    std::vector<Entry> entries_;
};

// Parses a text of whitespace-separated decimal numbers ("12.5 -3e2");
// returns nothing unless the text holds exactly `count` finite numbers.
std::optional<std::vector<double>> parseNumbers(const std::string& text, std::size_t count);

} // namespace lumawave
