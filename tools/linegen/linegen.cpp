// linegen: writes a synthetic line data set (type by the header's extension, .gch or .uc).
#include "network_generator.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* const kUsage =
    "usage: linegen [options] HEADER.gch|HEADER.uc\n"
    "  --count N           polylines (default 1000)\n"
    "  --kind random|grid  random network or axis-aligned street grid (default random)\n"
    "  --spacing S         distance between nodes (default 10)\n"
    "  --noise X           ends lie up to X off their node in x and y (default 0)\n"
    "  --dangling F        fraction of lines with a dangling end\n"
    "  --rings F           fraction of closed rings\n"
    "  --redundant F       fraction with a repeated point next to an end\n"
    "  --attribute-one F   fraction of lines with attribute 1\n"
    "  --seed N            random seed (default 1)\n";

bool parseNumber(const char* text, double& value)
{
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0' && value >= 0;
}

int fail(const std::string& reason)
{
    std::fprintf(stderr, "linegen: %s\n%s", reason.c_str(), kUsage);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    linegen::NetworkOptions options;
    std::string header;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option.rfind("--", 0) != 0) {
            header = option;
            continue;
        }
        if (i + 1 >= argc) {
            return fail("missing value for " + option);
        }
        const char* value = argv[++i];
        double number = 0;
        if (option == "--kind") {
            if (std::strcmp(value, "random") != 0 && std::strcmp(value, "grid") != 0) {
                return fail("unknown kind " + std::string(value));
            }
            options.kind = std::strcmp(value, "grid") == 0 ? linegen::NetworkKind::Grid : linegen::NetworkKind::Random;
        } else if (!parseNumber(value, number)) {
            return fail("not a number: " + std::string(value));
        } else if (option == "--count") {
            options.polylines = static_cast<size_t>(number);
        } else if (option == "--spacing") {
            options.spacing = static_cast<float>(number);
        } else if (option == "--noise") {
            options.noise = static_cast<float>(number);
        } else if (option == "--dangling") {
            options.dangling = number;
        } else if (option == "--rings") {
            options.rings = number;
        } else if (option == "--redundant") {
            options.redundant = number;
        } else if (option == "--attribute-one") {
            options.attributeOne = number;
        } else if (option == "--seed") {
            options.seed = static_cast<uint32_t>(number);
        } else {
            return fail("unknown option " + option);
        }
    }
    const auto type = strandel::lineTypeOfHeader(header);
    if (!type) {
        return fail("the header name must end in .gch (type A) or .uc (type B)");
    }
    std::string error;
    if (!strandel::writeLineDataSet(header, linegen::generateNetwork(*type, options), error)) {
        std::fprintf(stderr, "linegen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
