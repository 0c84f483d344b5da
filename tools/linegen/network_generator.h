// Synthetic line networks: polylines between the nodes of a random network or of an
// axis-aligned street grid, with the flaws real data sets have (ends that miss their
// node by a little, dangling ends, rings, redundant points, lines not to be linked).
#pragma once

#include "line_data_set_io.h"

#include <cstddef>
#include <cstdint>

namespace linegen {

enum class NetworkKind { Random, Grid };

struct NetworkOptions {
    NetworkKind kind = NetworkKind::Random;
    size_t polylines = 1000;
    float spacing = 10;        // distance between neighbouring nodes
    float noise = 0;           // each end lies up to this far (in x and in y) off its node
    double dangling = 0;       // fraction of lines with one end short of its node
    double rings = 0;          // fraction of closed rings
    double redundant = 0;      // fraction with a repeated second or second-to-last point
    double attributeOne = 0;   // fraction with attribute 1 (not linked)
    uint32_t seed = 1;
};

strandel::LineDataSet generateNetwork(strandel::LineType type, const NetworkOptions& options);

} // namespace linegen
