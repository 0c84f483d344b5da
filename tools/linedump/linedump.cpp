// linedump: lists a line data set's header, polylines and knots as text or CSV, or
// draws it as SVG.
#include "strandel32.h"
#include "topology_check.h"
#include "topology_report.h"
#include "topology_svg.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

namespace {

const char* const kUsage =
    "usage: linedump [options] HEADER.gch|HEADER.uc\n"
    "  --csv                         CSV instead of text\n"
    "  --only header|polylines|knots one section only\n"
    "  --svg FILE                    draw the data set, its knots and links instead\n"
    "  --connect TOLERANCE           join the data set first (ConnectPolylines)\n"
    "  --log FILE                    the joining's log (default: HEADER.log)\n"
    "  --check                       check the topology instead of listing it\n";

int fail(const std::string& reason)
{
    std::fprintf(stderr, "linedump: %s\n%s", reason.c_str(), kUsage);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    linedump::Format format = linedump::Format::Text;
    linedump::Sections sections;
    std::string header;
    std::string svg;
    std::string connectLog;
    std::string tolerance;
    bool check = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--csv") {
            format = linedump::Format::Csv;
        } else if (option == "--check") {
            check = true;
        } else if ((option == "--only" || option == "--svg" || option == "--connect" || option == "--log") &&
                   i + 1 < argc) {
            const std::string value = argv[++i];
            if (option == "--svg") {
                svg = value;
            } else if (option == "--connect") {
                tolerance = value;
            } else if (option == "--log") {
                connectLog = value;
            } else if (value == "header" || value == "polylines" || value == "knots") {
                sections = {value == "header", value == "polylines", value == "knots"};
            } else {
                return fail("unknown section " + value);
            }
        } else if (option.rfind("--", 0) == 0) {
            return fail("unknown option " + option);
        } else {
            header = option;
        }
    }
    if (header.empty()) {
        return fail("no data set named");
    }
    if (!tolerance.empty()) {
        char* end = nullptr;
        const float distance = std::strtof(tolerance.c_str(), &end);
        if (end == tolerance.c_str() || *end != '\0') {
            return fail("not a tolerance: " + tolerance);
        }
        int32_t knots = 0;
        const std::string log = connectLog.empty() ? header + ".log" : connectLog;
        if (ConnectPolylines(header.c_str(), distance, &knots, log.c_str()) == 0) {
            std::fprintf(stderr, "linedump: the joining failed\n");
            return 1;
        }
        std::fprintf(stderr, "linedump: %d knots\n", knots);
    }
    strandel::LineDataSet dataSet;
    std::string error;
    if (!strandel::readLineDataSet(header, dataSet, error)) {
        std::fprintf(stderr, "linedump: %s\n", error.c_str());
        return 1;
    }
    if (!svg.empty()) {
        std::ofstream out(svg);
        linedump::writeSvg(out, dataSet);
        if (!out) {
            std::fprintf(stderr, "linedump: cannot write %s\n", svg.c_str());
            return 1;
        }
        return 0;
    }
    if (check) {
        return linedump::checkTopology(std::cout, dataSet) ? 0 : 1;
    }
    linedump::writeReport(std::cout, dataSet, format, sections);
    return 0;
}
