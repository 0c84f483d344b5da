// Knots: the ends gathered by the knot search are snapped onto the knot, ordered by
// exit angle and linked counter-clockwise; the knot record lists them.
#include "joining_steps.h"
#include "knot_search.h"
#include "messages.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace strandel {

namespace {

namespace ext = extent_record;

constexpr float kFullTurn = 6.2831855F;
// Exit angles closer than half a degree are reported as duplicates.
constexpr float kDuplicateAngle = 0.008726646192371845F;

struct KnotEnd {
    int32_t reference;  // + extent: the polyline starts here; - extent: it ends here
    float angle;
    int32_t polylineId;
    int32_t attribute;

    bool isStart() const { return reference > 0; }
    // The end as the links and the knot record name it: +id start, -id end.
    int32_t signedId() const { return isStart() ? polylineId : -polylineId; }
};

enum class Joined { Yes, Skipped, ZeroLength };

class KnotBuilder {
public:
    KnotBuilder(DataSetRun& run, const SortedEnds& ends) : run_(run), ends_(ends) {}

    bool build(const KnotEnds& found);

private:
    uint8_t* snapEnd(uint32_t end, int32_t knot, int32_t& reference);
    Joined join(uint32_t end, int32_t knot);
    void reportBeyondLimit(uint32_t end, int32_t knot);
    void orderByExitAngle();
    void reportDuplicateAngles() const;
    void linkCounterClockwise();
    void writeKnotRecord(uint8_t* record, int32_t knot) const;
    void prefetchExtentsAhead(uint32_t first);

    DataSetRun& run_;
    const SortedEnds& ends_;
    size_t prefetched_ = 0;  // sorted ends whose extent records were fetched ahead
    EndPosition position_{};
    std::vector<KnotEnd> members_;
};

// Gives the end's polyline extent the knot number and the knot's position.
uint8_t* KnotBuilder::snapEnd(uint32_t end, int32_t knot, int32_t& reference)
{
    reference = ends_.extentReferences[end];
    uint8_t* extentAt = run_.extents.get(std::llabs(reference));
    if (extentAt == nullptr) {
        showRecordFailure(message::kFailedExtentInKnot);
        return nullptr;
    }
    const bool start = reference > 0;
    storeInt32(extentAt + (start ? ext::kStartKnot : ext::kEndKnot), knot);
    storePoint(extentAt + (start ? ext::kFirstPoint : ext::kLastPoint), {position_.x, position_.y});
    run_.extents.markChanged();
    return extentAt;
}

Joined KnotBuilder::join(uint32_t end, int32_t knot)
{
    int32_t reference = 0;
    const uint8_t* extentAt = snapEnd(end, knot, reference);
    if (extentAt == nullptr) {
        return Joined::Skipped;
    }
    const bool start = reference > 0;
    const Point neighbour = loadPoint(extentAt + (start ? ext::kSecondPoint : ext::kPenultimatePoint));
    const double dx = static_cast<double>(neighbour.x) - position_.x;
    const double dy = static_cast<double>(neighbour.y) - position_.y;
    if (dx == 0 && dy == 0) {
        return Joined::ZeroLength;
    }
    auto angle = static_cast<float>(std::atan2(dy, dx));
    if (angle < 0) {
        angle += kFullTurn;
    }
    members_.push_back({reference, angle, loadInt32(extentAt + ext::kPolylineId), loadInt32(extentAt + ext::kAttribute)});
    return Joined::Yes;
}

// The end beyond the knot's limit carries the knot but is not listed or linked.
void KnotBuilder::reportBeyondLimit(uint32_t end, int32_t knot)
{
    int32_t reference = 0;
    const uint8_t* extentAt = snapEnd(end, knot, reference);
    if (extentAt != nullptr) {
        const int32_t link = loadInt32(extentAt + (reference > 0 ? ext::kStartLink : ext::kEndLink));
        run_.log.tooManyLinesToNode(link, position_.x, position_.y);
    }
}

// Selection sort: the smallest remaining angle (the first of equal ones) moves forward.
void KnotBuilder::orderByExitAngle()
{
    for (size_t place = 0; place < members_.size(); ++place) {
        size_t smallest = place;
        for (size_t other = place + 1; other < members_.size(); ++other) {
            if (members_[other].angle < members_[smallest].angle) {
                smallest = other;
            }
        }
        std::swap(members_[place], members_[smallest]);
    }
}

void KnotBuilder::reportDuplicateAngles() const
{
    for (size_t i = 1; i < members_.size(); ++i) {
        if (std::fabs(members_[i].angle - members_[i - 1].angle) < kDuplicateAngle) {
            run_.log.duplicateExitAngle(members_[i - 1].polylineId, members_[i].polylineId, position_.x, position_.y);
        }
    }
}

// Each linked end names the next linked end counter-clockwise; the last wraps to the
// first, and a single one names itself. Polylines with attribute 1 or more take no part.
void KnotBuilder::linkCounterClockwise()
{
    std::array<const KnotEnd*, kMaxEndsPerKnot> linked{};
    size_t linkedCount = 0;
    for (const KnotEnd& member : members_) {
        if (member.attribute <= 0) {
            linked[linkedCount++] = &member;
        }
    }
    for (size_t j = 0; j < linkedCount; ++j) {
        const KnotEnd& next = *linked[(j + 1) % linkedCount];
        uint8_t* extentAt = run_.extents.get(std::llabs(linked[j]->reference));
        if (extentAt == nullptr) {
            showRecordFailure(message::kFailedExtentInKnot);
            continue;
        }
        storeInt32(extentAt + (linked[j]->isStart() ? ext::kStartLink : ext::kEndLink), next.signedId());
        run_.extents.markChanged();
    }
}

void KnotBuilder::writeKnotRecord(uint8_t* record, int32_t knot) const
{
    const KnotLayout& layout = run_.layout.knot;
    layout.number.store(record, knot);
    layout.endCount.store(record, static_cast<int32_t>(members_.size()));
    storeFloat(record + layout.x, position_.x);
    storeFloat(record + layout.y, position_.y);
    for (size_t i = 0; i < members_.size(); ++i) {
        layout.firstEnd.element(static_cast<uint32_t>(i)).store(record, members_[i].signedId());
        storeFloat(record + layout.angles + 4 * i, members_[i].angle);
    }
    run_.knots.markChanged();
}

// Knots start at the ends in sorted order and take ends shortly after their first,
// but those ends' extent records lie anywhere in the extent file. Asking for the
// records of the ends some way ahead while the knots before them are built hides
// most of the wait for memory.
void KnotBuilder::prefetchExtentsAhead(uint32_t first)
{
    constexpr size_t kEndsAhead = 512;
    const size_t through = std::min(size_t{first} + kEndsAhead, ends_.extentReferences.size());
    if (prefetched_ >= through || run_.extentCount < 1) {
        return;
    }
    // The extent file is held whole while the knots are built: one request gives the
    // address of every record.
    const uint8_t* extents = run_.extents.get(1, run_.extentCount);
    for (; prefetched_ < through; ++prefetched_) {
        const int64_t extent = std::llabs(ends_.extentReferences[prefetched_]);
        if (extents != nullptr && extent >= 1 && extent <= run_.extentCount) {
            const uint8_t* extentAt = extents + (extent - 1) * ext::kSize;
            __builtin_prefetch(extentAt);
            __builtin_prefetch(extentAt + ext::kSize - 1);
        }
    }
}

bool KnotBuilder::build(const KnotEnds& found)
{
    prefetchExtentsAhead(found.first);
    const int32_t knot = ++run_.knotCount;
    position_ = ends_.positions[found.first];
    members_.clear();
    uint8_t* record = run_.knots.create(knot);
    if (record == nullptr) {
        showRecordFailure(message::kFailedKnotInit);
    }
    for (uint32_t i = 0; i <= found.joinedCount; ++i) {
        if (join(i == 0 ? found.first : found.joined[i - 1], knot) == Joined::ZeroLength) {
            showMessage(caption::kConnectPolylines, message::kZeroLengthSegment);
            return false;
        }
    }
    if (found.beyondLimit) {
        reportBeyondLimit(*found.beyondLimit, knot);
    }
    if (members_.size() >= 2) {
        orderByExitAngle();
        reportDuplicateAngles();
    }
    linkCounterClockwise();
    if (record != nullptr) {
        writeKnotRecord(record, knot);
    }
    return true;
}

} // namespace

bool buildKnots(DataSetRun& run, const SortedEnds& sorted)
{
    // Ends that name no polyline extent (after a failed creation) take no part.
    std::vector<uint8_t> used(sorted.positions.size());
    for (size_t i = 0; i < used.size(); ++i) {
        const int64_t extent = std::llabs(sorted.extentReferences[i]);
        used[i] = extent < 1 || extent > run.extentCount ? 1 : 0;
    }
    KnotBuilder builder(run, sorted);
    return findKnots(sorted.positions, run.toleranceSquared, used,
                     [&](const KnotEnds& found) { return builder.build(found); });
}

} // namespace strandel
