#include "knot_search.h"

#include "data_set_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace strandel {

namespace {

// A cell row (inside int32: see kMostCellsAcross) and a sorted index in one number
// that orders as the pair (row, index) does: the row, sign bit flipped, on top.
constexpr uint32_t kSignBit = 0x80000000u;

uint64_t packRowAndIndex(int64_t row, uint32_t index)
{
    return (uint64_t{static_cast<uint32_t>(row) ^ kSignBit} << 32) | index;
}

int32_t rowOfPacked(uint64_t packed)
{
    return static_cast<int32_t>(static_cast<uint32_t>(packed >> 32) ^ kSignBit);
}

bool exceedsTolerance(const EndPosition& end, const EndPosition& knot, float toleranceSquared)
{
    const long double dx = static_cast<long double>(end.x) - knot.x;
    const long double dy = static_cast<long double>(end.y) - knot.y;
    return dx * dx + dy * dy > toleranceSquared;
}

// Collects a knot's ends as the search offers them, in sorted order.
class KnotCollector {
public:
    explicit KnotCollector(uint32_t first) { knot_.first = first; knot_.joinedCount = 0; }

    // False once the knot is full and its scan must end.
    bool offer(uint32_t end, std::vector<uint8_t>& used)
    {
        used[end] = 1;
        if (knot_.joinedCount + 1 == kMaxEndsPerKnot) {
            knot_.beyondLimit = end;
            return false;
        }
        knot_.joined[knot_.joinedCount++] = end;
        return true;
    }

    const KnotEnds& knot() const { return knot_; }

private:
    KnotEnds knot_{};
};

// Why the grid finds the sweep's knots: when a knot starts at end k, every earlier end
// is used already (each unused one started a knot of its own), and the sweep's stop at
// the first unused end farther than the tolerance in x cuts off only ends that lie
// farther than the tolerance anyway (x is sorted, and distance grows with the x
// difference). So each knot takes exactly the unused ends after k within the
// tolerance, in sorted order, up to the limit; the grid offers the same ends in the
// same order, merged by sorted index from the cells around the knot.
//
// A grid over the x-sorted ends. Cells are at least 1% wider than the tolerance, so
// that every end within the tolerance of a knot lies in the knot's cell or a
// neighbouring one. Cell columns are monotonic in x and so form runs of consecutive
// sorted ends; within a run the ends are ordered by (row, sorted index). Ends a knot
// takes are skipped through next-unused links, so that crowded cells stay cheap.
class EndGrid {
public:
    EndGrid(std::span<const EndPosition> ends, float toleranceSquared, const std::vector<uint8_t>& used);

    bool findKnots(std::vector<uint8_t>& used, const KnotVisitor& visit);

private:
    struct ColumnRun {
        int64_t column;
        uint32_t begin;  // sorted indices begin .. end - 1, positions likewise
        uint32_t end;
    };
    struct Cursor {
        uint32_t position;
        uint32_t end;
    };
    // At most three rows in each of two columns.
    struct CursorSet {
        std::array<Cursor, 6> cursors;
        size_t count = 0;
        void add(Cursor cursor) { cursors[count++] = cursor; }
        std::span<Cursor> active() { return {cursors.data(), count}; }
    };

    int64_t columnOf(float x) const { return static_cast<int64_t>(std::floor((x - originX_) * inverseCell_)); }
    int64_t rowOf(float y) const { return static_cast<int64_t>(std::floor((y - originY_) * inverseCell_)); }
    int64_t rowAt(uint32_t position) const { return rows_[position]; }

    void takeEnd(uint32_t end, std::vector<uint8_t>& used);
    uint32_t firstUnusedFrom(uint32_t position);
    void addCursors(const ColumnRun& run, int64_t row, CursorSet& cursors);
    void scanKnot(uint32_t first, size_t runIndex, KnotCollector& collector, std::vector<uint8_t>& used);

    std::span<const EndPosition> ends_;
    float toleranceSquared_;
    double originX_ = 0;
    double originY_ = 0;
    double inverseCell_ = 1;
    std::vector<ColumnRun> runs_;
    std::vector<uint32_t> order_;       // position -> sorted index
    std::vector<int32_t> rows_;         // position -> row of its cell, looked up by every knot's cell search
    std::vector<uint32_t> positionOf_;  // sorted index -> position
    std::vector<uint32_t> nextUnused_;  // position -> a position at or after it, towards the first unused one
};

EndGrid::EndGrid(std::span<const EndPosition> ends, float toleranceSquared, const std::vector<uint8_t>& used)
    : ends_(ends), toleranceSquared_(toleranceSquared)
{
    constexpr double kCellMargin = 1.01;
    constexpr double kMostCellsAcross = 1 << 30;  // keeps cell numbers well inside int32
    double minX = ends[0].x, maxX = ends[0].x, minY = ends[0].y, maxY = ends[0].y;
    for (const EndPosition& end : ends) {
        minX = std::min<double>(minX, end.x);
        maxX = std::max<double>(maxX, end.x);
        minY = std::min<double>(minY, end.y);
        maxY = std::max<double>(maxY, end.y);
    }
    const double extent = std::max(maxX - minX, maxY - minY);
    double cell = std::max(std::sqrt(static_cast<double>(toleranceSquared)) * kCellMargin, extent / kMostCellsAcross);
    if (!(cell > std::numeric_limits<double>::min())) {
        cell = 1;
    }
    originX_ = minX;
    originY_ = minY;
    inverseCell_ = 1 / cell;

    const auto count = static_cast<uint32_t>(ends.size());
    order_.resize(count);
    rows_.resize(count);
    positionOf_.resize(count);
    nextUnused_.resize(count + 1);
    std::vector<uint64_t> rows;  // (row, sorted index) of one column, packed to sort as one number
    for (uint32_t begin = 0; begin < count;) {
        const int64_t column = columnOf(ends[begin].x);
        rows.clear();
        uint32_t end = begin;
        for (; end < count && columnOf(ends[end].x) == column; ++end) {
            rows.push_back(packRowAndIndex(rowOf(ends[end].y), end));
        }
        std::sort(rows.begin(), rows.end());
        for (uint32_t i = begin; i < end; ++i) {
            rows_[i] = rowOfPacked(rows[i - begin]);
            order_[i] = static_cast<uint32_t>(rows[i - begin]);
        }
        runs_.push_back({column, begin, end});
        begin = end;
    }
    for (uint32_t position = 0; position <= count; ++position) {
        nextUnused_[position] = position;
    }
    for (uint32_t position = 0; position < count; ++position) {
        positionOf_[order_[position]] = position;
        if (used[order_[position]] != 0) {
            nextUnused_[position] = position + 1;
        }
    }
}

void EndGrid::takeEnd(uint32_t end, std::vector<uint8_t>& used)
{
    used[end] = 1;
    nextUnused_[positionOf_[end]] = positionOf_[end] + 1;
}

uint32_t EndGrid::firstUnusedFrom(uint32_t position)
{
    while (nextUnused_[position] != position) {
        nextUnused_[position] = nextUnused_[nextUnused_[position]];  // path halving
        position = nextUnused_[position];
    }
    return position;
}

void EndGrid::addCursors(const ColumnRun& run, int64_t row, CursorSet& cursors)
{
    // The run's positions are ordered by row: find the first end of row - 1 or later,
    // then split the stretch up to row + 1 into one cursor per row.
    uint32_t low = run.begin, high = run.end;
    while (low < high) {
        const uint32_t middle = low + (high - low) / 2;
        if (rowAt(middle) < row - 1) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    for (uint32_t begin = low; begin < run.end;) {
        const int64_t cellRow = rowAt(begin);
        if (cellRow > row + 1) {
            return;
        }
        uint32_t end = begin + 1;
        while (end < run.end && rowAt(end) == cellRow) {
            ++end;
        }
        cursors.add({begin, end});
        begin = end;
    }
}

// Offers the knot the unused ends of the neighbouring cells in sorted order: each
// cell's ends are in sorted order already, so the cells are merged by sorted index.
void EndGrid::scanKnot(uint32_t first, size_t runIndex, KnotCollector& collector, std::vector<uint8_t>& used)
{
    const EndPosition knot = ends_[first];
    const int64_t row = rowOf(knot.y);
    CursorSet cursors;
    addCursors(runs_[runIndex], row, cursors);
    // Later ends have no smaller x, so only the next column can hold more of them.
    if (runIndex + 1 < runs_.size() && runs_[runIndex + 1].column == runs_[runIndex].column + 1) {
        addCursors(runs_[runIndex + 1], row, cursors);
    }
    for (;;) {
        Cursor* nearest = nullptr;
        for (Cursor& cursor : cursors.active()) {
            cursor.position = std::min(firstUnusedFrom(cursor.position), cursor.end);
            if (cursor.position < cursor.end &&
                (nearest == nullptr || order_[cursor.position] < order_[nearest->position])) {
                nearest = &cursor;
            }
        }
        if (nearest == nullptr) {
            return;
        }
        const uint32_t candidate = order_[nearest->position];
        ++nearest->position;
        if (exceedsTolerance(ends_[candidate], knot, toleranceSquared_)) {
            continue;
        }
        const bool room = collector.offer(candidate, used);
        takeEnd(candidate, used);
        if (!room) {
            return;
        }
    }
}

bool EndGrid::findKnots(std::vector<uint8_t>& used, const KnotVisitor& visit)
{
    size_t runIndex = 0;
    for (uint32_t first = 0; first < ends_.size(); ++first) {
        while (runs_[runIndex].end <= first) {
            ++runIndex;
        }
        if (used[first] != 0) {
            continue;
        }
        takeEnd(first, used);
        KnotCollector collector(first);
        scanKnot(first, runIndex, collector, used);
        if (!visit(collector.knot())) {
            return false;
        }
    }
    return true;
}

bool allFinite(std::span<const EndPosition> ends, float toleranceSquared)
{
    return std::isfinite(toleranceSquared) && std::ranges::all_of(ends, [](const EndPosition& end) {
               return std::isfinite(end.x) && std::isfinite(end.y);
           });
}

} // namespace

bool findKnotsBySweep(std::span<const EndPosition> ends, float toleranceSquared, std::vector<uint8_t>& used,
                      const KnotVisitor& visit)
{
    for (size_t first = 0; first < ends.size(); ++first) {
        if (used[first] != 0) {
            continue;
        }
        used[first] = 1;
        const EndPosition knot = ends[first];
        KnotCollector collector(static_cast<uint32_t>(first));
        for (size_t next = first + 1; next < ends.size(); ++next) {
            if (used[next] != 0) {
                continue;
            }
            const long double dx = static_cast<long double>(ends[next].x) - knot.x;
            if (dx * dx > toleranceSquared) {
                break;  // sorted by x: no later end is nearer in x
            }
            if (exceedsTolerance(ends[next], knot, toleranceSquared)) {
                continue;
            }
            if (!collector.offer(static_cast<uint32_t>(next), used)) {
                break;
            }
        }
        if (!visit(collector.knot())) {
            return false;
        }
    }
    return true;
}

bool findKnots(std::span<const EndPosition> ends, float toleranceSquared, std::vector<uint8_t>& used,
               const KnotVisitor& visit)
{
    if (ends.empty()) {
        return true;
    }
    if (!allFinite(ends, toleranceSquared)) {
        return findKnotsBySweep(ends, toleranceSquared, used, visit);
    }
    EndGrid grid(ends, toleranceSquared, used);
    return grid.findKnots(used, visit);
}

} // namespace strandel
