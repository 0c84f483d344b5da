// Generated networks with every kind of flaw, joined and then checked as a whole:
// each end on the knot it names, each knot listing its ends in angle order, each
// linked end naming the next one counter-clockwise.
#include "line_data_set_io.h"
#include "network_generator.h"
#include "strandel32.h"
#include "topology_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

void ignoreMessage(const char*, const char*) {}

TEST(GeneratedNetwork, JoinedTopologyHoldsTogether)
{
    const fs::path folder = fs::temp_directory_path() / ("strandel-network-" + std::to_string(getpid()));
    fs::create_directories(folder);
    SetMessageBoxHandler(ignoreMessage);
    for (const auto kind : {linegen::NetworkKind::Random, linegen::NetworkKind::Grid}) {
        for (const auto type : {strandel::LineType::A, strandel::LineType::B}) {
            SCOPED_TRACE(::testing::Message() << (kind == linegen::NetworkKind::Grid ? "grid " : "random ")
                                              << (type == strandel::LineType::A ? "A" : "B"));
            linegen::NetworkOptions options;
            options.kind = kind;
            options.polylines = 3000;
            options.noise = 0.2F;
            options.dangling = 0.05;
            options.rings = 0.03;
            options.redundant = 0.05;
            options.attributeOne = 0.05;
            const std::string header = (folder / (type == strandel::LineType::A ? "net.gch" : "net.uc")).string();
            std::string error;
            ASSERT_TRUE(strandel::writeLineDataSet(header, linegen::generateNetwork(type, options), error)) << error;

            int32_t knots = 0;
            ASSERT_EQ(ConnectPolylines(header.c_str(), 1.0F, &knots, (folder / "net.log").c_str()), 1);

            strandel::LineDataSet joined;
            ASSERT_TRUE(strandel::readLineDataSet(header, joined, error)) << error;
            EXPECT_EQ(joined.knotCount, knots);
            std::ostringstream report;
            EXPECT_TRUE(linedump::checkTopology(report, joined)) << report.str();
        }
    }
    SetMessageBoxHandler(nullptr);
    fs::remove_all(folder);
}

} // namespace
