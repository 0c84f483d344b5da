#include "georeference.h"

#include "lumawave/error.h"
#include "lumawave/metadata.h"

#include <cmath>

namespace lumadec2 {
namespace {

using lumawave::Error;

std::optional<std::vector<double>> metadataNumbers(const lumawave::Image& image, const char* key, std::size_t count)
{
    const auto text = image.metadata().find(key);
    if (!text) {
        return std::nullopt;
    }
    auto numbers = lumawave::parseNumbers(*text, count);
    if (!numbers) {
        throw Error("Error: " + image.name() + " has an invalid " + key + " value \"" + *text + "\".");
    }
    return numbers;
}

} // namespace

Georeference georeferenceOf(const lumawave::Image& image, const std::string& imagePath)
{
    Georeference geo{0.0, static_cast<double>(image.height()), 1.0};
    if (const auto origin = metadataNumbers(image, lumawave::keys::kXyOrigin, 2)) {
        geo.originX = (*origin)[0];
        geo.originY = (*origin)[1];
    }
    if (const auto resolution = metadataNumbers(image, lumawave::keys::kXResolution, 1)) {
        geo.resolution = resolution->front();
    }
    const std::string worldFile = worldFilePath(imagePath);
    if (const auto fromWorldFile = readWorldFile(worldFile)) {
        geo = *fromWorldFile;
    }
    if (!(geo.resolution > 0) || !std::isfinite(geo.resolution)) {
        throw Error("Error: the ground resolution of " + image.name() + " is " + std::to_string(geo.resolution)
                    + "; it must be a positive number.");
    }
    return geo;
}

} // namespace lumadec2
