#include "metadata.h"

#include "format.h"
#include "little_endian.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace lumawave {
namespace {

constexpr std::size_t kCountSize = 4;
constexpr std::size_t kKeyLengthSize = 2;
constexpr std::size_t kValueLengthSize = 4;

// Reads length-prefixed fields from the metadata section, refusing any length
// that runs past its end.
class FieldReader {
public:
    explicit FieldReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    template <typename T>
    std::optional<T> number()
    {
        if (bytes_.size() - at_ < sizeof(T)) {
            return std::nullopt;
        }
        const T value = readLittleEndian<T>(bytes_.data() + at_);
        at_ += sizeof(T);
        return value;
    }

    std::optional<std::string> text(std::size_t length)
    {
        if (bytes_.size() - at_ < length) {
            return std::nullopt;
        }
        std::string value(reinterpret_cast<const char*>(bytes_.data() + at_), length);
        at_ += length;
        return value;
    }

    bool atEnd() const { return at_ == bytes_.size(); }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

} // namespace

void Metadata::set(const std::string& key, const std::string& value)
{
    for (auto& entry : entries_) {
        if (entry.first == key) {
            entry.second = value;
            return;
        }
    }
    entries_.emplace_back(key, value);
}

std::optional<std::string> Metadata::find(const std::string& key) const
{
    for (const auto& entry : entries_) {
        if (entry.first == key) {
            return entry.second;
        }
    }
    return std::nullopt;
}

std::vector<std::uint8_t> Metadata::serialise() const
{
    std::vector<std::uint8_t> out;
    appendLittleEndian(out, static_cast<std::uint32_t>(entries_.size()));
    for (const auto& [key, value] : entries_) {
        appendLittleEndian(out, static_cast<std::uint16_t>(key.size()));
        out.insert(out.end(), key.begin(), key.end());
        appendLittleEndian(out, static_cast<std::uint32_t>(value.size()));
        out.insert(out.end(), value.begin(), value.end());
    }
    return out;
}

std::optional<Metadata> Metadata::parse(std::span<const std::uint8_t> bytes)
{
    FieldReader reader(bytes);
    const auto count = reader.number<std::uint32_t>();
    if (!count || *count > kMaxMetadataEntries) {
        return std::nullopt;
    }
    Metadata metadata;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const auto keyLength = reader.number<std::uint16_t>();
        const auto key = keyLength ? reader.text(*keyLength) : std::nullopt;
        const auto valueLength = key ? reader.number<std::uint32_t>() : std::nullopt;
        const auto value = valueLength ? reader.text(*valueLength) : std::nullopt;
        if (!value) {
            return std::nullopt;
        }
        metadata.set(*key, *value);
    }
    if (!reader.atEnd()) {
        return std::nullopt;
    }
    return metadata;
}

std::optional<std::vector<double>> parseNumbers(const std::string& text, std::size_t count)
{
    std::vector<double> numbers;
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    while (true) {
        while (at < end && (*at == ' ' || *at == '\t' || *at == ',' || *at == '\r' || *at == '\n')) {
            ++at;
        }
        if (at == end) {
            break;
        }
        if (*at == '+') {
            ++at;
        }
        double value = 0;
        const auto [next, error] = std::from_chars(at, end, value);
        if (error != std::errc() || !std::isfinite(value)) {
            return std::nullopt;
        }
        numbers.push_back(value);
        at = next;
    }
    if (numbers.size() != count) {
        return std::nullopt;
    }
    return numbers;
}

} // namespace lumawave
