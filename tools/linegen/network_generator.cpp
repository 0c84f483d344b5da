#include "network_generator.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace linegen {

namespace {

using strandel::LinePoint;

// splitmix64's finaliser.
uint64_t mixed(uint64_t bits)
{
    bits = (bits ^ (bits >> 30)) * 0xBF58476D1CE4E5B9ULL;
    bits = (bits ^ (bits >> 27)) * 0x94D049BB133111EBULL;
    return bits ^ (bits >> 31);
}

struct Edge {
    LinePoint from;
    LinePoint to;
};

class Generator {
public:
    explicit Generator(const NetworkOptions& options) : options_(options), random_(options.seed) {}

    std::vector<Edge> edges();
    strandel::LinePolyline polyline(const Edge& edge);

private:
    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }
    bool chance(double fraction) { return fraction > 0 && uniform(0, 1) < fraction; }
    LinePoint jittered(LinePoint node)
    {
        const double noise = options_.noise;
        return {static_cast<float>(node.x + uniform(-noise, noise)), static_cast<float>(node.y + uniform(-noise, noise))};
    }
    LinePoint node(int64_t column, int64_t row);
    std::vector<LinePoint> ring(LinePoint center);

    const NetworkOptions& options_;
    std::mt19937_64 random_;
};

// Nodes of a random network sit anywhere in the middle of their lattice cell, so no
// two share an x; street-grid nodes sit exactly on the lattice.
LinePoint Generator::node(int64_t column, int64_t row)
{
    const double spacing = options_.spacing;
    if (options_.kind == NetworkKind::Grid) {
        return {static_cast<float>(column * spacing), static_cast<float>(row * spacing)};
    }
    // A hash of the cell: the same node comes out for every edge that meets there.
    const uint64_t cell = mixed(options_.seed ^ mixed(static_cast<uint64_t>(column) ^ (static_cast<uint64_t>(row) << 32)));
    const auto offset = [](uint64_t bits) { return 0.2 + 0.6 * static_cast<double>(bits & 0xFFFFFFFF) / 4294967296.0; };
    return {static_cast<float>((column + offset(cell)) * spacing),
            static_cast<float>((row + offset(cell >> 32)) * spacing)};
}

// Every edge between lattice neighbours (and, for a random network, diagonals), in
// random order, as many as wanted.
std::vector<Edge> Generator::edges()
{
    const bool grid = options_.kind == NetworkKind::Grid;
    const double perNode = grid ? 2.0 : 3.0;
    const auto side = static_cast<int64_t>(std::ceil(std::sqrt(options_.polylines / perNode))) + 1;
    std::vector<Edge> edges;
    edges.reserve(static_cast<size_t>(side * side * perNode));
    for (int64_t column = 0; column < side; ++column) {
        for (int64_t row = 0; row < side; ++row) {
            const LinePoint here = node(column, row);
            if (column + 1 < side) {
                edges.push_back({here, node(column + 1, row)});
            }
            if (row + 1 < side) {
                edges.push_back({here, node(column, row + 1)});
            }
            if (!grid && column + 1 < side && row + 1 < side) {
                edges.push_back({here, node(column + 1, row + 1)});
            }
        }
    }
    std::shuffle(edges.begin(), edges.end(), random_);
    edges.resize(std::min(edges.size(), options_.polylines));
    return edges;
}

std::vector<LinePoint> Generator::ring(LinePoint center)
{
    const double radius = options_.spacing * 0.15;
    const int corners = 4 + static_cast<int>(uniform(0, 3));
    std::vector<LinePoint> points;
    for (int i = 0; i < corners; ++i) {
        const double angle = 2 * M_PI * i / corners;
        points.push_back({static_cast<float>(center.x + radius * std::cos(angle)),
                          static_cast<float>(center.y + radius * std::sin(angle))});
    }
    points.push_back(jittered(points.front()));
    return points;
}

strandel::LinePolyline Generator::polyline(const Edge& edge)
{
    strandel::LinePolyline line;
    line.attribute = chance(options_.attributeOne) ? 1 : 0;
    if (chance(options_.rings)) {
        line.points = ring({(edge.from.x + edge.to.x) / 2, (edge.from.y + edge.to.y) / 2});
        return line;
    }
    const bool straight = options_.kind == NetworkKind::Grid;
    const int inner = static_cast<int>(uniform(0, 3));
    const double dx = edge.to.x - edge.from.x;
    const double dy = edge.to.y - edge.from.y;
    line.points.push_back(jittered(edge.from));
    for (int i = 1; i <= inner; ++i) {
        const double along = static_cast<double>(i) / (inner + 1);
        const double aside = straight ? 0 : uniform(-0.15, 0.15);
        line.points.push_back({static_cast<float>(edge.from.x + along * dx - aside * dy),
                               static_cast<float>(edge.from.y + along * dy + aside * dx)});
    }
    LinePoint last = jittered(edge.to);
    if (chance(options_.dangling)) {
        last = {static_cast<float>(edge.from.x + 0.7 * dx), static_cast<float>(edge.from.y + 0.7 * dy)};
    }
    line.points.push_back(last);
    if (chance(options_.redundant)) {
        const bool atStart = chance(0.5);
        line.points.insert(atStart ? line.points.begin() + 1 : line.points.end() - 1,
                           atStart ? line.points.front() : line.points.back());
    }
    return line;
}

} // namespace

strandel::LineDataSet generateNetwork(strandel::LineType type, const NetworkOptions& options)
{
    Generator generator(options);
    strandel::LineDataSet dataSet;
    dataSet.type = type;
    float bound = 0;
    for (const Edge& edge : generator.edges()) {
        dataSet.polylines.push_back(generator.polyline(edge));
        for (const LinePoint& point : dataSet.polylines.back().points) {
            bound = std::max({bound, std::fabs(point.x), std::fabs(point.y)});
        }
    }
    dataSet.coordinateBound = bound;
    return dataSet;
}

} // namespace linegen
