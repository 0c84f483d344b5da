#include "topology_svg.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <unordered_map>

namespace linedump {

namespace {

using strandel::LineDataSet;
using strandel::LinePoint;
using strandel::LinePolyline;

constexpr double kCanvasSize = 1000;

struct View {
    double minX, maxY, scale;
    double x(double value) const { return (value - minX) * scale; }
    double y(double value) const { return (maxY - value) * scale; }  // SVG's y runs down
};

View viewOf(const LineDataSet& dataSet)
{
    double minX = std::numeric_limits<double>::max(), minY = minX;
    double maxX = -minX, maxY = -minX;
    for (const LinePolyline& line : dataSet.polylines) {
        for (const LinePoint& p : line.points) {
            if (std::isfinite(p.x) && std::isfinite(p.y)) {
                minX = std::min<double>(minX, p.x);
                maxX = std::max<double>(maxX, p.x);
                minY = std::min<double>(minY, p.y);
                maxY = std::max<double>(maxY, p.y);
            }
        }
    }
    if (minX > maxX) {
        return {0, 1, kCanvasSize};
    }
    const double extent = std::max({maxX - minX, maxY - minY, 1e-9});
    return {minX, maxY, kCanvasSize / extent};
}

// A point a little way along the polyline from one of its ends: where the arrows of
// the links start and arrive.
LinePoint nearEnd(const LinePolyline& line, bool start, double distance)
{
    const size_t n = line.points.size();
    const LinePoint end = start ? line.points.front() : line.points.back();
    const LinePoint next = start ? line.points[1] : line.points[n - 2];
    const double length = std::hypot(next.x - end.x, next.y - end.y);
    const double along = length > 0 ? std::min(distance, length / 2) / length : 0;
    return {static_cast<float>(end.x + along * (next.x - end.x)), static_cast<float>(end.y + along * (next.y - end.y))};
}

} // namespace

void writeSvg(std::ostream& out, const LineDataSet& dataSet)
{
    const View view = viewOf(dataSet);
    const double pixel = 1 / view.scale;
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"-10 -10 " << kCanvasSize + 20 << ' '
        << kCanvasSize + 20 << "\">\n"
        << "<defs><marker id=\"arrow\" viewBox=\"0 0 10 10\" refX=\"9\" refY=\"5\" markerWidth=\"5\" "
           "markerHeight=\"5\" orient=\"auto\"><path d=\"M0,0 L10,5 L0,10 z\" fill=\"#c0392b\"/></marker></defs>\n"
        << "<g fill=\"none\" stroke-width=\"1\">\n";
    std::unordered_map<int32_t, const LinePolyline*> byId;
    for (const LinePolyline& line : dataSet.polylines) {
        if (line.id <= 0 || line.points.size() < 2) {
            continue;
        }
        byId[line.id] = &line;
        out << "<polyline stroke=\"" << (line.attribute >= 1 ? "#7f8c8d" : "#2c3e50") << "\" points=\"";
        for (const LinePoint& p : line.points) {
            out << view.x(p.x) << ',' << view.y(p.y) << ' ';
        }
        out << "\" id=\"polyline-" << line.id << "\"/>\n";
    }
    for (const LinePolyline& line : dataSet.polylines) {
        if (byId.count(line.id) == 0) {
            continue;
        }
        for (const bool start : {true, false}) {
            const int32_t link = start ? line.startLink : line.endLink;
            const auto target = byId.find(std::abs(link));
            if (link == 0 || target == byId.end()) {
                continue;
            }
            const LinePoint knot = start ? line.points.front() : line.points.back();
            const LinePoint from = nearEnd(line, start, 25 * pixel);
            const LinePoint to = nearEnd(*target->second, link > 0, 25 * pixel);
            out << "<path stroke=\"#c0392b\" stroke-width=\"0.6\" marker-end=\"url(#arrow)\" d=\"M" << view.x(from.x)
                << ',' << view.y(from.y) << " Q" << view.x(knot.x) << ',' << view.y(knot.y) << ' ' << view.x(to.x)
                << ',' << view.y(to.y) << "\"/>\n";
        }
    }
    out << "</g>\n<g>\n";
    for (const strandel::LineKnot& knot : dataSet.knots) {
        out << "<circle r=\"3\" fill=\"#2980b9\" cx=\"" << view.x(knot.position.x) << "\" cy=\"" << view.y(knot.position.y)
            << "\" id=\"knot-" << knot.number << "\"/>\n";
    }
    out << "</g>\n</svg>\n";
}

} // namespace linedump
