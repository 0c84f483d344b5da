// lumawave-encode: writes a Lumawave image from a PGM, PPM or BMP file.
#include "encode_file.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: lumawave-encode [--levels N] [--lossless | --quality Q] [--origin X Y] [--resolution R] INPUT OUTPUT\n"
    "  INPUT   an 8-bit greyscale or RGB image: binary PGM (P5), PPM (P6) or uncompressed BMP\n"
    "  OUTPUT  the Lumawave file to write\n"
    "  --levels N      resolution levels below full resolution (default: until the coarsest is <= 512 pixels)\n"
    "  --lossless      exact reversible coding (the default)\n"
    "  --quality Q     lossy coding, Q from 1 (smallest) to 100 (best)\n"
    "  --origin X Y    map coordinates of the upper-left corner\n"
    "  --resolution R  ground size of one pixel in map units\n";

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

template <typename T>
T parseNumber(const std::string& text, const char* option)
{
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        throw UsageError(std::string("lumawave-encode: ") + option + " needs a number, not \"" + text + "\"");
    }
    return value;
}

struct Arguments {
    lumawave::tools::EncodeOptions options;
    std::vector<std::string> files;
};

Arguments parseArguments(int argc, char** argv)
{
    Arguments arguments;
    auto value = [&](int& i, const char* option) -> std::string {
        if (i + 1 >= argc) {
            throw UsageError(std::string("lumawave-encode: ") + option + " needs a value");
        }
        return argv[++i];
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--levels") {
            arguments.options.levels = parseNumber<int>(value(i, "--levels"), "--levels");
        } else if (arg == "--lossless") {
            arguments.options.quality = lumawave::kLosslessQuality;
        } else if (arg == "--quality") {
            arguments.options.quality = parseNumber<int>(value(i, "--quality"), "--quality");
            if (arguments.options.quality < lumawave::kMinQuality || arguments.options.quality > lumawave::kMaxQuality) {
                throw UsageError("lumawave-encode: --quality must be 1 to 100");
            }
        } else if (arg == "--origin") {
            arguments.options.originX = parseNumber<double>(value(i, "--origin"), "--origin");
            arguments.options.originY = parseNumber<double>(value(i, "--origin"), "--origin");
        } else if (arg == "--resolution") {
            arguments.options.resolution = parseNumber<double>(value(i, "--resolution"), "--resolution");
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw UsageError("lumawave-encode: unknown option " + arg);
        } else {
            arguments.files.push_back(arg);
        }
    }
    if (arguments.files.size() != 2) {
        throw UsageError("lumawave-encode: give one INPUT and one OUTPUT file");
    }
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        const Arguments arguments = parseArguments(argc, argv);
        lumawave::tools::encodeFile(arguments.files[0], arguments.files[1], arguments.options);
        return 0;
    } catch (const UsageError& error) {
        std::fprintf(stderr, "%s\n%s", error.what(), kUsage);
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "lumawave-encode: %s\n", error.what());
        return 1;
    }
}
