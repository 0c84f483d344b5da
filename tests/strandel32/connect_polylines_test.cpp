// ConnectPolylines end to end, on small data sets of both types built from the
// documented layouts and checked byte by byte afterwards.
#include "line_fixture.h"
#include "strandel32.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using fixture::Polyline;
using fixture::Type;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Pair;

struct Message {
    std::string caption;
    std::string text;
};
std::vector<Message> shownMessages;

void recordMessage(const char* caption, const char* text)
{
    shownMessages.push_back({caption, text});
}

std::string readText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

Polyline line(std::vector<std::pair<float, float>> points, int32_t attribute = 0)
{
    return {std::move(points), attribute};
}

struct Topology {
    int32_t startKnot;
    int32_t endKnot;
    int32_t startLink;
    int32_t endLink;
    bool operator==(const Topology&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Topology& t)
{
    return out << "knots " << t.startKnot << ' ' << t.endKnot << " links " << t.startLink << ' ' << t.endLink;
}

Topology topologyOf(const fixture::WrittenPolyline& line)
{
    return {line.startKnot, line.endKnot, line.startLink, line.endLink};
}

class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        std::replace(name.begin(), name.end(), '/', '-');
        folder_ = fs::temp_directory_path() / ("strandel-" + std::to_string(getpid()) + "-" + name);
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        shownMessages.clear();
        SetMessageBoxHandler(recordMessage);
    }
    void TearDown() override
    {
        SetMessageBoxHandler(nullptr);
        fs::remove_all(folder_);
    }

    std::string logPath() const { return (folder_ / "problems.log").string(); }
    std::string log() const { return readText(logPath()); }

    fs::path folder_;
};

class ConnectPolylinesTest : public ScratchFolder, public ::testing::WithParamInterface<Type> {
protected:
    fixture::DataSet dataSet() const { return {GetParam(), folder_, "roads"}; }
    std::string headerName() const { return dataSet().header().string(); }

    int32_t connect(const std::vector<Polyline>& polylines, float tolerance)
    {
        dataSet().write(polylines);
        return ConnectPolylines(headerName().c_str(), tolerance, &knots_, logPath().c_str());
    }
    std::vector<fixture::WrittenPolyline> polylines() const { return dataSet().readPolylines(); }
    std::vector<fixture::WrittenKnot> knots() const { return dataSet().readKnots(); }
    // The log line as the data set's type writes it.
    std::string logLine(const std::string& body, const std::string& typeAEnd, const std::string& typeBEnd) const
    {
        return headerName() + body + (GetParam() == Type::A ? typeAEnd : typeBEnd);
    }

    int32_t knots_ = -1;
};

TEST_P(ConnectPolylinesTest, FacingEndsWithinToleranceMeetAtTheEndWithSmallerX)
{
    ASSERT_EQ(connect({line({{0, 0}, {10, 0}}), line({{10.9F, 0}, {20, 0}})}, 1.0F), 1);

    EXPECT_EQ(knots_, 3);
    const fixture::Header header = dataSet().readHeader();
    EXPECT_EQ(header.knotCount, 3);
    EXPECT_EQ(header.knotCountPlusOne, 4);
    EXPECT_EQ(header.validPolylines, 2);

    const auto lines = polylines();
    ASSERT_EQ(lines.size(), 2U);
    // The first polyline's start is alone at knot 1 and links to itself; at knot 2 the
    // second polyline leaves at angle 0 and the first at pi.
    EXPECT_EQ(topologyOf(lines[0]), (Topology{1, 2, 1, 2}));
    EXPECT_EQ(topologyOf(lines[1]), (Topology{2, 3, -1, -2}));
    EXPECT_THAT(lines[1].points, ElementsAre(Pair(10.0F, 0.0F), Pair(20.0F, 0.0F)));

    const auto written = knots();
    ASSERT_EQ(written.size(), 3U);
    EXPECT_EQ(written[1].number, 2);
    EXPECT_EQ(written[1].x, 10.0F);
    EXPECT_EQ(written[1].y, 0.0F);
    EXPECT_THAT(written[1].ends, ElementsAre(2, -1));
    EXPECT_THAT(written[1].angles, ElementsAre(0.0F, static_cast<float>(M_PI)));

    EXPECT_EQ(log(), logLine(", 1,  No Exit for Polyline., 0.00000, 0.00000\n", "", "") +
                         logLine(", 2,  No Exit for Polyline., 20.00000, 0.00000\n", "", ""));
    EXPECT_TRUE(shownMessages.empty());
}

TEST_P(ConnectPolylinesTest, RingLinksItsOwnEndsAndANearRingOfThreePointsIsDeleted)
{
    ASSERT_EQ(connect({line({{0, 0}, {10, 0}, {0, 0.5F}}),
                       line({{100, 100}, {110, 100}, {110, 110}, {100, 100.5F}})},
                      1.0F),
              1);

    const auto lines = polylines();
    EXPECT_EQ(lines[0].id, -1);
    EXPECT_EQ(lines[1].id, 2);
    EXPECT_EQ(topologyOf(lines[1]), (Topology{1, 1, -2, 2}));
    EXPECT_EQ(lines[1].points.back(), std::make_pair(100.0F, 100.0F));
    EXPECT_EQ(knots_, 1);
    EXPECT_EQ(dataSet().readHeader().validPolylines, 1);
    EXPECT_EQ(log(), "");
}

TEST_P(ConnectPolylinesTest, LinksCounterClockwiseAroundAKnotLeavingOutAttributeOneLines)
{
    ASSERT_EQ(connect({line({{0, 0}, {10, 0}}),         // leaves at 0
                       line({{0, 10}, {0, 0}}),         // leaves at pi/2
                       line({{0, 0}, {-10, -10}}),      // leaves at 5pi/4
                       line({{0, 0}, {5, 5}}, 1)},      // leaves at pi/4, not linked
                      1.0F),
              1);

    const auto lines = polylines();
    EXPECT_EQ(lines[0].startLink, -2);
    EXPECT_EQ(lines[1].endLink, 3);
    EXPECT_EQ(lines[2].startLink, 1);
    EXPECT_EQ(lines[3].startLink, 0);
    EXPECT_EQ(lines[3].startKnot, lines[0].startKnot);

    const auto written = knots();
    const auto center = std::find_if(written.begin(), written.end(), [](const auto& k) { return k.endCount == 4; });
    ASSERT_NE(center, written.end());
    EXPECT_THAT(center->ends, ElementsAre(1, 4, -2, 3));
}

TEST_P(ConnectPolylinesTest, RemovesRedundantPointsNextToTheEnds)
{
    ASSERT_EQ(connect({line({{0, 0}, {0, 0}, {5, 0}, {10, 0}}),
                       line({{0, 50}, {5, 50}, {10, 50}, {10, 50}}),
                       line({{3, 80}, {3, 80}})},
                      1.0F),
              1);

    const auto lines = polylines();
    EXPECT_THAT(lines[0].points, ElementsAre(Pair(0.0F, 0.0F), Pair(5.0F, 0.0F), Pair(10.0F, 0.0F)));
    EXPECT_THAT(lines[1].points, ElementsAre(Pair(0.0F, 50.0F), Pair(5.0F, 50.0F), Pair(10.0F, 50.0F)));
    // Two equal points: nothing is removed, and the line is degenerate.
    EXPECT_EQ(lines[2].pointCount, 2);
    EXPECT_EQ(lines[2].id, -3);
    EXPECT_THAT(log(), HasSubstr(logLine(", 1,  Removed Redundant Second Point., 0.00000, 0.00000\n", "", "")));
    EXPECT_THAT(log(), HasSubstr(logLine(", 2,  Removed Redundant Penultimate Point., 10.00000, 50.00000", " \n",
                                         "\n")));
}

TEST_P(ConnectPolylinesTest, TwoPointLineKeepsBothSnappedEnds)
{
    ASSERT_EQ(connect({line({{0, 0}, {10, 0}}), line({{10.5F, 0}, {20, 0}}), line({{20.5F, 0}, {30, 0}})}, 1.0F), 1);

    EXPECT_THAT(polylines()[1].points, ElementsAre(Pair(10.0F, 0.0F), Pair(20.0F, 0.0F)));
}

TEST_P(ConnectPolylinesTest, LongPolylinesAndFilesLargerThanTheBuffer)
{
    // A chain of 1500 short lines (more records than the polyline buffer holds), then
    // a 30-point line over continuation records whose last two points are equal.
    std::vector<Polyline> chain;
    for (int i = 0; i < 1500; ++i) {
        chain.push_back(line({{i * 10.0F, 0}, {i * 10.0F + 9.8F, 0}}));
    }
    std::vector<std::pair<float, float>> winding;
    for (int i = 0; i < 29; ++i) {
        winding.emplace_back(-100.0F + i, (i % 2) * 5.0F);
    }
    winding.emplace_back(winding.back());
    chain.push_back(line(winding));
    ASSERT_EQ(connect(chain, 0.5F), 1);

    EXPECT_EQ(knots_, 1501 + 2);
    const auto lines = polylines();
    ASSERT_EQ(lines.size(), 1501U);
    for (int i = 1; i < 1500; ++i) {
        ASSERT_EQ(lines[i].startKnot, lines[i - 1].endKnot) << i;
        ASSERT_EQ(lines[i].points.front(), std::make_pair(i * 10.0F - 0.2F, 0.0F)) << i;
        ASSERT_EQ(lines[i].startLink, -i) << i;
    }
    EXPECT_EQ(lines[1500].pointCount, 29);
    EXPECT_EQ(lines[1500].points.back(), std::make_pair(-72.0F, 0.0F));
    EXPECT_EQ(lines[1500].endLink, -1501);
}

TEST_P(ConnectPolylinesTest, ExitAnglesCloserThanHalfADegreeAreReported)
{
    for (const auto& [degrees, reported] : {std::pair{0.3, true}, std::pair{0.6, false}}) {
        SCOPED_TRACE(degrees);
        const double radians = degrees * M_PI / 180;
        ASSERT_EQ(connect({line({{0, 0}, {100, 0}}),
                           line({{0, 0}, {static_cast<float>(100 * std::cos(radians)),
                                          static_cast<float>(100 * std::sin(radians))}})},
                          1.0F),
                  1);
        const std::string expected = GetParam() == Type::A ? ", 1, Duplicate Exit Angle., 0.00000, 0.00000, 2\n"
                                                           : ", 1,  Duplicate Exit Angle., 0.00000, 0.00000, 2\n";
        EXPECT_EQ(log().find(headerName() + expected) != std::string::npos, reported) << log();
    }
}

TEST_P(ConnectPolylinesTest, EndsExactlyToleranceApartJoinWhenTheSquareDoesNotExceedTheStoredSquare)
{
    for (const float distance : {0.1F, 0.3F}) {
        SCOPED_TRACE(distance);
        const long double squared = static_cast<long double>(distance) * distance;
        const bool joins = !(squared > distance * distance);
        ASSERT_EQ(connect({line({{-10, 0}, {0, 0}}), line({{distance, 0}, {10, 0}})}, distance), 1);
        EXPECT_EQ(knots_, joins ? 3 : 4);
        if (distance == 0.1F) {
            EXPECT_TRUE(joins);
        }
    }
}

TEST_P(ConnectPolylinesTest, ThirteenthEndAtAKnotIsReportedAndCarriesTheKnot)
{
    std::vector<Polyline> star;
    for (int i = 0; i < 13; ++i) {
        const double angle = (-80.0 + i * 160.0 / 12) * M_PI / 180;
        star.push_back(line({{0, 0}, {static_cast<float>(10 * std::cos(angle)), static_cast<float>(10 * std::sin(angle))}}));
    }
    ASSERT_EQ(connect(star, 0.5F), 1);

    EXPECT_EQ(knots_, 14);
    EXPECT_EQ(knots()[0].endCount, 12);
    const auto lines = polylines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.startKnot == 1; }), 13);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.startLink == 0; }), 1);
    EXPECT_THAT(log(), HasSubstr(logLine(", 0,  Too Many Lines to Node., 0.00000, 0.00000 \n", "", "")));
}

TEST_P(ConnectPolylinesTest, ZeroLengthExitEndsTheRunAndKeepsTheHeader)
{
    ASSERT_EQ(connect({line({{-10, 0}, {0, 0}}), line({{0.5F, 0}, {0, 0}, {0, 10}})}, 1.0F), 0);

    ASSERT_EQ(shownMessages.size(), 1U);
    EXPECT_EQ(shownMessages[0].caption, "ConnectPolylines");
    EXPECT_EQ(shownMessages[0].text, "Zero length segment: Please thin file and retry");
    EXPECT_EQ(dataSet().readHeader().knotCount, 0);
}

TEST_P(ConnectPolylinesTest, LogCoordinatesFollowTheCoordinateBound)
{
    for (const auto& [bound, shown] : {std::pair{1000.0F, "-5.26000, 3.00000"}, std::pair{200000.0F, "-5.3, 3.0"}}) {
        SCOPED_TRACE(bound);
        dataSet().write({line({{-5.26F, 3}, {10, 0}, {10, 0}})}, bound);
        ASSERT_EQ(ConnectPolylines(headerName().c_str(), 1.0F, &knots_, logPath().c_str()), 1);
        EXPECT_THAT(log(), HasSubstr(", 1,  No Exit for Polyline., " + std::string(shown) + "\n"));
    }
}

TEST_P(ConnectPolylinesTest, PolylineFileEndingBeforeItsLastPolylineEndsTheRun)
{
    dataSet().write({line({{0, 0}, {10, 0}})});
    std::vector<uint8_t> header = fixture::readBytes(dataSet().header());
    if (GetParam() == Type::A) {
        fixture::putInt16(header, 14, 9);  // record number of the last polyline
    } else {
        fixture::putInt32(header, 32, 9);
    }
    fixture::writeBytes(dataSet().header(), header);

    ::testing::internal::CaptureStdout();
    EXPECT_EQ(ConnectPolylines(headerName().c_str(), 1.0F, &knots_, logPath().c_str()), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Unexpected end of file.\n");
    EXPECT_TRUE(shownMessages.empty());
}

TEST_P(ConnectPolylinesTest, PolylineWhosePointsCannotBeReadIsSkipped)
{
    std::vector<std::pair<float, float>> longLine;
    for (int i = 0; i < 30; ++i) {
        longLine.emplace_back(100.0F + i, 0.0F);
    }
    dataSet().write({line({{0, 0}, {10, 0}}), line(longLine)});
    // Cut the long line's last point off the file that holds it.
    const fs::path points = dataSet().component(GetParam() == Type::A ? ".gst" : ".ucr");
    fs::resize_file(points, fs::file_size(points) - (GetParam() == Type::A ? 128 : 8));

    ASSERT_EQ(ConnectPolylines(headerName().c_str(), 1.0F, &knots_, logPath().c_str()), 1);

    EXPECT_EQ(knots_, 2);
    ASSERT_EQ(shownMessages.size(), 1U);
    EXPECT_EQ(shownMessages[0].caption, "Connect Polylines");
    EXPECT_EQ(shownMessages[0].text, "Failed to read Polyline.");
}

TEST_P(ConnectPolylinesTest, DataSetWithoutPolylinesMakesNoKnots)
{
    EXPECT_EQ(connect({}, 1.0F), 1);
    EXPECT_EQ(knots_, 0);
}

TEST_P(ConnectPolylinesTest, LongerHeaderKeepsItsTailAndShorterOneItsLength)
{
    const size_t fullSize = GetParam() == Type::A ? 996 : 884;
    for (const size_t size : {fullSize + 7, size_t{200}}) {
        SCOPED_TRACE(size);
        dataSet().write({line({{0, 0}, {10, 0}})});
        std::vector<uint8_t> bytes = fixture::readBytes(dataSet().header());
        bytes.resize(size, 0xAB);
        fixture::writeBytes(dataSet().header(), bytes);

        ASSERT_EQ(ConnectPolylines(headerName().c_str(), 1.0F, &knots_, logPath().c_str()), 1);

        const std::vector<uint8_t> rewritten = fixture::readBytes(dataSet().header());
        ASSERT_EQ(rewritten.size(), size);
        EXPECT_EQ(dataSet().readHeader().knotCount, 2);
        for (size_t i = fullSize; i < size; ++i) {
            EXPECT_EQ(rewritten[i], 0xAB);
        }
    }
}

TEST_P(ConnectPolylinesTest, OpensComponentsInAnyLetterCaseAndLeavesTheCallersNameAlone)
{
    dataSet().write({line({{0, 0}, {10, 0}})});
    const std::string polylineExtension = GetParam() == Type::A ? ".gst" : ".ul";
    fs::rename(dataSet().component(polylineExtension), folder_ / ("ROADS" + polylineExtension));
    if (GetParam() == Type::B) {
        fs::rename(dataSet().component(".ucr"), folder_ / "Roads.UCR");
    }
    const std::string given = (folder_ / "roads").string() + (GetParam() == Type::A ? ".gch" : ".uc");
    std::string name = given;
    ASSERT_EQ(ConnectPolylines(name.c_str(), 1.0F, &knots_, logPath().c_str()), 1);

    EXPECT_EQ(name, given);
    EXPECT_EQ(knots_, 2);
    // The header was rewritten into the file it was read from.
    EXPECT_FALSE(fs::exists(given));
    EXPECT_EQ(dataSet().readHeader().knotCount, 2);
}

TEST_P(ConnectPolylinesTest, CommaAndDirectoryPlaceTheDataSetThere)
{
    dataSet().write({line({{0, 0}, {10, 0}})});
    const std::string name = std::string("C:\\elsewhere\\roads") + (GetParam() == Type::A ? ".GCH," : ".UC,") +
                             folder_.string() + "/";
    ASSERT_EQ(ConnectPolylines(name.c_str(), 1.0F, &knots_, logPath().c_str()), 1);
    EXPECT_EQ(knots_, 2);
}

TEST_P(ConnectPolylinesTest, ListWithCarriageReturnsGoesOnPastAFailingEntry)
{
    const fixture::DataSet first(GetParam(), folder_, "first");
    const fixture::DataSet third(GetParam(), folder_, "third");
    first.write({line({{0, 0}, {10, 0}})});
    third.write({line({{0, 0}, {10, 0}}), line({{10, 0}, {20, 0}})});
    const std::string extension = GetParam() == Type::A ? ".GCH" : ".UC";
    const fs::path list = folder_ / "sets.txt";
    std::ofstream(list, std::ios::binary) << "D:\\maps\\first" << extension << ",roads\r\n"
                                          << "missing" << extension << "\r\n"
                                          << "third" << extension << "\r\n";

    const std::string name = list.string() + "," + folder_.string();
    ASSERT_EQ(ConnectPolylines(name.c_str(), 1.0F, &knots_, logPath().c_str()), 1);

    EXPECT_EQ(knots_, 2 + 3);
    const std::string missing = (folder_ / ("missing" + extension)).string();
    ASSERT_EQ(shownMessages.size(), 2U);
    EXPECT_EQ(shownMessages[0].text, "File Not Found:  " + missing);
    EXPECT_EQ(shownMessages[1].caption, missing);
    EXPECT_EQ(shownMessages[1].text, "No topology.");
}

INSTANTIATE_TEST_SUITE_P(BothTypes, ConnectPolylinesTest, ::testing::Values(Type::A, Type::B),
                         [](const auto& info) { return info.param == Type::A ? "TypeA" : "TypeB"; });

using ConnectPolylinesNames = ScratchFolder;

TEST_F(ConnectPolylinesNames, MessagesGoToStandardErrorWithoutAHandler)
{
    SetMessageBoxHandler(nullptr);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(ConnectPolylines(nullptr, 1.0F, nullptr, nullptr), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "No File: No data set or list file was named.\n");
}

TEST_F(ConnectPolylinesNames, FailuresBeforeAnyDataSetShowTheirMessage)
{
    // A ".UC" in the folder's name does not make the list a data set.
    fs::create_directories(folder_ / "archive.UC");
    const std::string unknownList = (folder_ / "archive.UC" / "list.txt").string();
    std::ofstream(unknownList) << "roads.shp\n";
    const std::string missingList = (folder_ / "nothing.lst").string();
    const std::string missingHeader = (folder_ / "gone.GCH").string();
    const struct {
        const char* name;
        int32_t result;
        std::vector<std::string> messages;  // caption, text, caption, text ...
    } cases[] = {
        {nullptr, 0, {"No File", "No data set or list file was named."}},
        {missingList.c_str(), 0, {"ConnectPolylines", "Cannot Open File " + missingList}},
        {missingHeader.c_str(), 0, {"ConnectPolylines", "File Not Found:  " + missingHeader}},
        {unknownList.c_str(), 1, {"ConnectPolylines", "Unknown File Type:  roads.shp", "roads.shp", "No topology."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name != nullptr ? c.name : "null");
        shownMessages.clear();
        int32_t knots = -1;
        EXPECT_EQ(ConnectPolylines(c.name, 1.0F, &knots, logPath().c_str()), c.result);
        std::vector<std::string> shown;
        for (const Message& m : shownMessages) {
            shown.push_back(m.caption);
            shown.push_back(m.text);
        }
        EXPECT_EQ(shown, c.messages);
    }
}

} // namespace
