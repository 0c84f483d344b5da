// The peer in the comparison: OpenJPEG's in-process region decode of a
// JPEG 2000 codestream, and its command-line encoder.
#pragma once

#include <string>

namespace lumadec2::bench {

// Decodes the region [x0, x1) x [y0, y1) (full-resolution pixels) at
// resolution reduction `level`; returns the decoded width times height.
long openJpegDecodeRegion(const std::string& path, int level, int x0, int y0, int x1, int y1);

// Encodes a PGM/PPM as a lossless, tiled codestream with `levels`
// decompositions using opj_compress; returns false when the tool failed.
bool openJpegEncode(const std::string& input, const std::string& output, int tileSize, int levels);

} // namespace lumadec2::bench
