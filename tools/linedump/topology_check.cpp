#include "topology_check.h"

#include <cstdlib>
#include <unordered_map>
#include <vector>

namespace linedump {

namespace {

using strandel::LineDataSet;
using strandel::LinePolyline;

constexpr int kFaultsShown = 5;

class Checker {
public:
    Checker(std::ostream& out, const LineDataSet& dataSet) : out_(out), dataSet_(dataSet)
    {
        for (const LinePolyline& line : dataSet.polylines) {
            if (line.id > 0 && line.points.size() >= 2) {
                byId_[line.id] = &line;
            }
        }
    }

    bool run();

private:
    void fault(const std::string& text)
    {
        if (++faults_ <= kFaultsShown) {
            out_ << "fault: " << text << '\n';
        }
    }
    const LinePolyline* polylineOf(int32_t end) const
    {
        const auto it = byId_.find(std::abs(end));
        return it == byId_.end() ? nullptr : it->second;
    }
    void checkKnot(const strandel::LineKnot& knot);

    std::ostream& out_;
    const LineDataSet& dataSet_;
    std::unordered_map<int32_t, const LinePolyline*> byId_;
    size_t faults_ = 0;
    size_t listedEnds_ = 0;
};

void Checker::checkKnot(const strandel::LineKnot& knot)
{
    const std::string name = "knot " + std::to_string(knot.number);
    std::vector<int32_t> linked;
    for (size_t i = 0; i < knot.ends.size(); ++i) {
        const int32_t end = knot.ends[i];
        const LinePolyline* line = polylineOf(end);
        if (line == nullptr) {
            fault(name + " lists an end of no polyline: " + std::to_string(end));
            continue;
        }
        ++listedEnds_;
        const bool start = end > 0;
        const auto& point = start ? line->points.front() : line->points.back();
        if ((start ? line->startKnot : line->endKnot) != knot.number) {
            fault(name + " lists " + std::to_string(end) + ", which names another knot");
        }
        if (point.x != knot.position.x || point.y != knot.position.y) {
            fault(name + ": end " + std::to_string(end) + " is not snapped onto it");
        }
        if (i > 0 && knot.angles[i] < knot.angles[i - 1]) {
            fault(name + ": exit angles out of order");
        }
        if (line->attribute <= 0) {
            linked.push_back(end);
        }
    }
    for (size_t j = 0; j < linked.size(); ++j) {
        const LinePolyline* line = polylineOf(linked[j]);
        const int32_t link = linked[j] > 0 ? line->startLink : line->endLink;
        if (link != linked[(j + 1) % linked.size()]) {
            fault(name + ": end " + std::to_string(linked[j]) + " links to " + std::to_string(link) +
                  ", not to the next end counter-clockwise");
        }
    }
}

bool Checker::run()
{
    if (static_cast<int32_t>(dataSet_.knots.size()) != dataSet_.knotCount) {
        fault("the header counts " + std::to_string(dataSet_.knotCount) + " knots, the knot file holds " +
              std::to_string(dataSet_.knots.size()));
    }
    for (const strandel::LineKnot& knot : dataSet_.knots) {
        checkKnot(knot);
    }
    // Every end of a surviving polyline is at a knot; ends beyond a knot's limit of 12
    // carry the knot without being listed.
    size_t endsAtKnots = 0;
    for (const auto& [id, line] : byId_) {
        for (const int32_t knot : {line->startKnot, line->endKnot}) {
            if (knot < 1 || knot > static_cast<int32_t>(dataSet_.knots.size())) {
                fault("polyline " + std::to_string(id) + " names no knot");
            } else {
                ++endsAtKnots;
            }
        }
    }
    out_ << "checked " << byId_.size() << " polylines, " << dataSet_.knots.size() << " knots, " << listedEnds_
         << " listed ends of " << endsAtKnots << ": " << faults_ << " faults\n";
    return faults_ == 0;
}

} // namespace

bool checkTopology(std::ostream& out, const LineDataSet& dataSet)
{
    return Checker(out, dataSet).run();
}

} // namespace linedump
