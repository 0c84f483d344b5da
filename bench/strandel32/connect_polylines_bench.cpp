// ConnectPolylines on generated data sets of 10,000, 100,000 and (with --large)
// 1,000,000 polylines, random networks and axis-aligned street grids, both types.
// For each: the joining's time and peak resident memory (in a fresh process of its
// own, so that nothing else counts), and two I/O floors: the time to read and rewrite
// the same record files by plain reads and writes, and record by record through the
// record-file library. Type A record numbers are 16-bit, so type A stops at 10,000.
// Then the knot search alone over the same sorted ends, by the plain sweep and by the
// grid, with a check that both find the same knots.
#include "joining_steps.h"
#include "knot_search.h"
#include "network_generator.h"
#include "record_file.h"
#include "strandel32.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr float kTolerance = 1.0F;
constexpr const char* kConnectOnce = "--connect-once";

struct Case {
    strandel::LineType type;
    linegen::NetworkKind kind;
    size_t polylines;
};

// Wall time is what a user waits; CPU time (user + system) is what the work costs on a
// shared machine, where the wall time also holds the waits for other processes.
struct Measured {
    double connectSeconds = 0;
    double connectCpuSeconds = 0;
    double rawFloorSeconds = 0;
    double rawFloorCpuSeconds = 0;
    double recordFloorSeconds = 0;
    double recordFloorCpuSeconds = 0;
    double peakMegabytes = 0;
    long knots = 0;
    double sweepSeconds = 0;
    double gridSeconds = 0;
    bool sameKnots = false;
};

std::vector<std::pair<Case, Measured>> results;
fs::path workFolder;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double cpuSeconds(const rusage& usage)
{
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return cpuSeconds(usage);
}

std::string headerOf(const Case& c)
{
    const std::string name = std::string(c.kind == linegen::NetworkKind::Grid ? "grid" : "random") + "-" +
                             std::to_string(c.polylines) + (c.type == strandel::LineType::A ? ".gch" : ".uc");
    return (workFolder / name).string();
}

void generate(const Case& c)
{
    linegen::NetworkOptions options;
    options.kind = c.kind;
    options.polylines = c.polylines;
    options.noise = 0.2F;
    options.dangling = 0.02;
    options.rings = 0.01;
    options.redundant = 0.02;
    options.attributeOne = 0.02;
    std::string error;
    if (!strandel::writeLineDataSet(headerOf(c), linegen::generateNetwork(c.type, options), error)) {
        std::fprintf(stderr, "cannot write the data set: %s\n", error.c_str());
        std::exit(1);
    }
}

struct RecordFileOfDataSet {
    std::string path;
    uint32_t recordSize;
    int64_t bufferRecords;  // as the joining's write-back opens it
};

std::vector<RecordFileOfDataSet> recordFilesOf(const Case& c)
{
    const std::string header = headerOf(c);
    const std::string base = header.substr(0, header.rfind('.'));
    const strandel::DataSetLayout& layout = strandel::layoutOf(c.type);
    const std::string polylines = base + std::string(layout.polylineExtension);
    const auto recordsIn = [](const std::string& path, uint32_t size) {
        return static_cast<int64_t>(fs::file_size(path) / size);
    };
    const uint32_t polylineSize = layout.polyline.recordSize;
    std::vector<RecordFileOfDataSet> files{
        {polylines, polylineSize, std::min(recordsIn(polylines, polylineSize), int64_t{strandel::kPolylineBufferRecords})}};
    if (c.type == strandel::LineType::B) {
        const std::string points = base + std::string(strandel::kPointExtension);
        files.push_back({points, strandel::kPointSize, recordsIn(points, strandel::kPointSize)});
    }
    return files;
}

// The raw floor: every byte of the data set's record files read and written back in
// place by plain reads and writes, a megabyte at a time.
void readAndRewriteRaw(const Case& c, Measured& measured)
{
    std::vector<char> buffer(1 << 20);
    const double startCpu = processCpuSeconds();
    const auto start = Clock::now();
    for (const RecordFileOfDataSet& file : recordFilesOf(c)) {
        const int fd = open(file.path.c_str(), O_RDWR);
        off_t offset = 0;
        for (ssize_t got; (got = pread(fd, buffer.data(), buffer.size(), offset)) > 0; offset += got) {
            if (pwrite(fd, buffer.data(), static_cast<size_t>(got), offset) != got) {
                break;
            }
        }
        close(fd);
    }
    measured.rawFloorSeconds = secondsSince(start);
    measured.rawFloorCpuSeconds = processCpuSeconds() - startCpu;
}

// The floor the joining itself cannot go below: every record of the data set's record
// files got through the record-file library, opened as the joining opens them, read
// and written back unchanged (which dirties its page just as the write-back does).
void readAndRewriteRecords(const Case& c, Measured& measured)
{
    uint64_t sum = 0;
    const double startCpu = processCpuSeconds();
    const auto start = Clock::now();
    for (const RecordFileOfDataSet& file : recordFilesOf(c)) {
        strandel::RecordFile records;
        if (!records.open(file.path, file.bufferRecords, file.recordSize, strandel::kExistingFileMode)) {
            std::fprintf(stderr, "cannot open %s\n", file.path.c_str());
            std::exit(1);
        }
        for (int64_t r = 1, count = records.recordCount(); r <= count; ++r) {
            volatile uint8_t* record = records.get(r);
            sum += record[0];
            record[0] = record[0];
            records.markChanged();
        }
    }
    measured.recordFloorSeconds = secondsSince(start);
    measured.recordFloorCpuSeconds = processCpuSeconds() - startCpu;
    benchmark::DoNotOptimize(sum);
}

// Runs the joining in a child process: its own time, knot count and peak memory.
Measured connectInChildProcess(const Case& c)
{
    const std::string header = headerOf(c);
    const std::string tolerance = std::to_string(kTolerance);
    int output[2];
    if (pipe(output) != 0) {
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    char* arguments[] = {const_cast<char*>("/proc/self/exe"), const_cast<char*>(kConnectOnce),
                         const_cast<char*>(header.c_str()), const_cast<char*>(tolerance.c_str()), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, "/proc/self/exe", &actions, nullptr, arguments, environ) != 0) {
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    char text[128] = {};
    const ssize_t length = read(output[0], text, sizeof text - 1);
    close(output[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Measured measured;
    if (length <= 0 || std::sscanf(text, "%lf %ld", &measured.connectSeconds, &measured.knots) != 2) {
        std::fprintf(stderr, "the joining of %s failed\n", header.c_str());
    }
    measured.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
    measured.connectCpuSeconds = cpuSeconds(usage);
    return measured;
}

// A fingerprint of every knot's ends, in order.
template <typename Search>
uint64_t searchKnots(Search search, const strandel::SortedEnds& sorted, double& seconds)
{
    std::vector<uint8_t> used(sorted.positions.size(), 0);
    uint64_t fingerprint = 1469598103934665603ULL;
    const auto mix = [&](uint64_t value) { fingerprint = (fingerprint ^ value) * 1099511628211ULL; };
    const auto start = Clock::now();
    search(sorted.positions, kTolerance * kTolerance, used, [&](const strandel::KnotEnds& knot) {
        mix(knot.first);
        for (uint32_t i = 0; i < knot.joinedCount; ++i) {
            mix(knot.joined[i]);
        }
        mix(knot.beyondLimit.value_or(UINT32_MAX));
        return true;
    });
    seconds = secondsSince(start);
    return fingerprint;
}

// The knot search alone, both ways, over the ends the joining sorted (its work file
// keeps the ends as they were made).
void compareKnotSearches(const Case& c, Measured& measured)
{
    const std::string header = headerOf(c);
    strandel::RecordFile ends;
    strandel::SortedEnds sorted;
    if (!ends.open(header.substr(0, header.rfind('.')) + ".end", 1, strandel::end_record::kSize,
                   strandel::kExistingFileMode) ||
        !strandel::sortEndsByX(ends, sorted)) {
        std::fprintf(stderr, "cannot read the ends of %s\n", header.c_str());
        return;
    }
    const uint64_t sweep = searchKnots(strandel::findKnotsBySweep, sorted, measured.sweepSeconds);
    const uint64_t grid = searchKnots(strandel::findKnots, sorted, measured.gridSeconds);
    measured.sameKnots = sweep == grid;
}

int connectOnce(const char* header, const char* tolerance)
{
    int32_t knots = 0;
    const std::string log = std::string(header) + ".log";
    const auto start = Clock::now();
    const int32_t result = ConnectPolylines(header, std::strtof(tolerance, nullptr), &knots, log.c_str());
    std::printf("%.6f %d\n", secondsSince(start), knots);
    return result == 1 ? 0 : 1;
}

void joinDataSet(benchmark::State& state, Case c)
{
    Measured measured;
    for (auto _ : state) {
        state.PauseTiming();
        generate(c);
        readAndRewriteRaw(c, measured);
        readAndRewriteRecords(c, measured);
        state.ResumeTiming();
        const Measured joined = connectInChildProcess(c);
        measured.connectSeconds = joined.connectSeconds;
        measured.connectCpuSeconds = joined.connectCpuSeconds;
        measured.peakMegabytes = joined.peakMegabytes;
        measured.knots = joined.knots;
        state.SetIterationTime(measured.connectSeconds);
        compareKnotSearches(c, measured);
    }
    state.counters["polylines_per_s"] = static_cast<double>(c.polylines) / measured.connectSeconds;
    state.counters["raw_floor_s"] = measured.rawFloorSeconds;
    state.counters["record_floor_s"] = measured.recordFloorSeconds;
    state.counters["peak_MB"] = measured.peakMegabytes;
    state.counters["knots"] = static_cast<double>(measured.knots);
    results.emplace_back(c, measured);
}

void printTable()
{
    std::printf("\n%-4s %-7s %9s %8s %8s %8s %8s %7s %8s %8s %7s %10s %8s %8s %8s %8s %8s %5s\n", "type",
                "network", "polylines", "join s", "cpu s", "raw s", "raw cpu", "ratio", "rec s", "rec cpu", "ratio",
                "lines/s", "cpu us/l", "peak MB", "knots", "sweep s", "grid s", "same");
    const auto ratio = [](double cost, double floor) { return cost / std::max(floor, 1e-6); };
    for (const auto& [c, m] : results) {
        std::printf("%-4s %-7s %9zu %8.3f %8.3f %8.4f %8.4f %7.1f %8.4f %8.4f %7.1f %10.0f %8.3f %8.1f %8ld %8.3f "
                    "%8.3f %5s\n",
                    c.type == strandel::LineType::A ? "A" : "B",
                    c.kind == linegen::NetworkKind::Grid ? "grid" : "random", c.polylines, m.connectSeconds,
                    m.connectCpuSeconds, m.rawFloorSeconds, m.rawFloorCpuSeconds,
                    ratio(m.connectCpuSeconds, m.rawFloorCpuSeconds), m.recordFloorSeconds, m.recordFloorCpuSeconds,
                    ratio(m.connectCpuSeconds, m.recordFloorCpuSeconds), c.polylines / m.connectSeconds,
                    1e6 * m.connectCpuSeconds / c.polylines, m.peakMegabytes, m.knots, m.sweepSeconds,
                    m.gridSeconds, m.sameKnots ? "yes" : "NO");
    }
    std::printf("raw: the record files read and rewritten in place by plain reads and writes; rec: every record\n"
                "got, read and written back through the record-file library as the joining opens the files;\n"
                "ratio: CPU time of the joining over the CPU time of the floor before it\n"
                "sweep s, grid s: the knot search alone over the same sorted ends; same: identical knots\n"
                "for scale: a peer that queries an index once per line end joins about 1,600 lines/s\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], kConnectOnce) == 0) {
        return connectOnce(argv[2], argv[3]);
    }
    bool large = false;
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--large") == 0) {
            large = true;
        } else {
            arguments.push_back(argv[i]);
        }
    }
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());

    workFolder = fs::temp_directory_path() / ("strandel-bench-" + std::to_string(getpid()));
    fs::create_directories(workFolder);
    std::vector<size_t> sizes{10000, 100000};
    if (large) {
        sizes.push_back(1000000);
    }
    for (const size_t polylines : sizes) {
        for (const auto kind : {linegen::NetworkKind::Random, linegen::NetworkKind::Grid}) {
            for (const auto type : {strandel::LineType::A, strandel::LineType::B}) {
                if (type == strandel::LineType::A && polylines > 10000) {
                    continue;  // beyond type A's 16-bit record numbers
                }
                const Case c{type, kind, polylines};
                const std::string name = std::string("ConnectPolylines/") + (type == strandel::LineType::A ? "A/" : "B/") +
                                         (kind == linegen::NetworkKind::Grid ? "grid/" : "random/") +
                                         std::to_string(polylines);
                benchmark::RegisterBenchmark(name.c_str(), joinDataSet, c)
                    ->Iterations(1)
                    ->UseManualTime()
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printTable();
    fs::remove_all(workFolder);
    return 0;
}
