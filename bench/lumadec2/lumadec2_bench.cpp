// Side-by-side benchmark of window extraction: lumadec2 (Lumawave decode and
// BMP write) against OpenJPEG's in-process region decode of a lossless,
// tiled JPEG 2000 codestream of the same synthetic photo-like image.
//
// Images of 4096 x 4096 pixels (greyscale and RGB) are made at run time in a
// temporary folder; `--large` adds 16384 x 16384 (several GB of scratch disk
// and minutes of encoding). Per image: a 1024 x 1024 window at level 0 and
// at level 3 (clipped to the level where it is smaller), the whole image at
// its coarsest level, and the encoders' throughput.
#include "command_line_flag.h"
#include "encode_file.h"
#include "openjpeg_peer.h"
#include "photo_like_image.h"
#include "window_extraction.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kLevels = 5;
constexpr int kWindowSide = 1024;
constexpr int kOpenJpegTileSize = 512;
constexpr int kSmallSide = 4096;
constexpr int kLargeSide = 16384;

struct Subject {
    int side;
    int samples;
    std::string label;  // "4096² grey"
    std::string pnm;
    std::string lumawave;
    std::string jpeg2000;
    double ourEncodeSeconds = 0;
    double peerEncodeSeconds = 0;
    double rawMegabytes() const { return static_cast<double>(side) * side * samples / 1e6; }
};

struct Task {
    const char* label;
    int level;
    bool wholeImage;
};
constexpr Task kTasks[] = {
    {"window 1024² at level 0", 0, false},
    {"window 1024² at level 3", 3, false},
    {"whole image at level 5", kLevels, true},
};

// The full-resolution square a task reads: 1024 pixels of its level, placed
// off the tile grid inside the image.
struct Region {
    int x0, y0, extent;
};

Region regionOf(const Subject& subject, const Task& task)
{
    if (task.wholeImage) {
        return {0, 0, subject.side};
    }
    const int extent = std::min(subject.side, kWindowSide << task.level);
    const int offset = std::min(subject.side - extent, (subject.side - extent) / 3 + (100 << task.level));
    return {offset, offset, extent};
}

double secondsOf(auto&& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

Subject prepare(const fs::path& folder, int side, int samples)
{
    Subject s{side, samples, std::to_string(side) + "² " + (samples == 1 ? "grey" : "RGB"), "", "", ""};
    const std::string stem = (folder / ("image-" + std::to_string(side) + (samples == 1 ? "-grey" : "-rgb"))).string();
    s.pnm = stem + (samples == 1 ? ".pgm" : ".ppm");
    s.lumawave = stem + ".lmw";
    s.jpeg2000 = stem + ".j2k";
    std::fprintf(stderr, "preparing %s ...\n", s.label.c_str());
    lumawave::tools::writePhotoLikePnm(s.pnm, side, side, samples, 1);
    lumawave::tools::EncodeOptions options;
    options.levels = kLevels;
    s.ourEncodeSeconds = secondsOf([&] { lumawave::tools::encodeFile(s.pnm, s.lumawave, options); });
    s.peerEncodeSeconds = secondsOf([&] {
        if (!lumadec2::bench::openJpegEncode(s.pnm, s.jpeg2000, kOpenJpegTileSize, kLevels)) {
            throw std::runtime_error("opj_compress failed on " + s.pnm);
        }
    });
    fs::remove(s.pnm);  // the large inputs are not needed for decoding
    return s;
}

std::string benchmarkName(const Subject& subject, const Task& task, const char* who)
{
    return std::string(who) + "/" + subject.label + "/" + task.label;
}

void registerBenchmarks(const Subject& subject, const fs::path& folder)
{
    for (const Task& task : kTasks) {
        const Region region = regionOf(subject, task);
        const std::string bmp = (folder / "window.bmp").string();
        benchmark::RegisterBenchmark(benchmarkName(subject, task, "lumadec2").c_str(), [=](benchmark::State& state) {
            // Pixel units: resolution 1, upper-left at (0, side).
            const double side = subject.side;
            const double wantedRes = task.wholeImage ? 1e9 : static_cast<double>(1 << task.level);
            for (auto _ : state) {
                lumadec2::MapRect rect{static_cast<double>(region.x0), side - region.y0,
                                       static_cast<double>(region.x0 + region.extent), side - region.y0 - region.extent};
                lumadec2::extractLumawaveWindow(wantedRes, rect, subject.lumawave, bmp);
            }
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(benchmarkName(subject, task, "OpenJPEG").c_str(), [=](benchmark::State& state) {
            for (auto _ : state) {
                benchmark::DoNotOptimize(lumadec2::bench::openJpegDecodeRegion(
                    subject.jpeg2000, task.level, region.x0, region.y0, region.x0 + region.extent, region.y0 + region.extent));
            }
        })->Unit(benchmark::kMillisecond);
    }
}

// Keeps the CPU time of each run for the closing table: both sides run on one
// thread, and on a shared machine CPU time is the steadier measure.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            milliseconds[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
    }
    std::map<std::string, double> milliseconds;
};

void printTable(const std::vector<Subject>& subjects, const CollectingReporter& reporter)
{
    std::printf("\n%-14s %-26s %14s %14s %10s\n", "image", "work", "lumadec2 ms", "OpenJPEG ms", "speed-up");
    std::printf("%-14s %-26s %14s %14s\n", "", "", "(CPU)", "(CPU)");
    for (const Subject& subject : subjects) {
        for (const Task& task : kTasks) {
            const auto ours = reporter.milliseconds.find(benchmarkName(subject, task, "lumadec2"));
            const auto peer = reporter.milliseconds.find(benchmarkName(subject, task, "OpenJPEG"));
            if (ours == reporter.milliseconds.end() || peer == reporter.milliseconds.end()) {
                continue;
            }
            std::printf("%-15s %-26s %14.2f %14.2f %9.1fx\n", subject.label.c_str(), task.label, ours->second,
                        peer->second, peer->second / ours->second);
        }
    }
    std::printf("\n%-14s %-26s %14s %14s %10s\n", "image", "encoding (MB/s of pixels)", "lumawave", "opj_compress",
                "speed-up");
    for (const Subject& subject : subjects) {
        const double ours = subject.rawMegabytes() / subject.ourEncodeSeconds;
        const double peer = subject.rawMegabytes() / subject.peerEncodeSeconds;
        std::printf("%-15s %-26s %14.1f %14.1f %9.1fx\n", subject.label.c_str(), "lossless, 5 levels", ours, peer,
                    ours / peer);
    }
    std::printf("\nlumadec2: window extraction = decode + BMP file written; OpenJPEG: in-process region decode "
                "(one thread, 512² tiles, lossless); encoding includes reading the PGM/PPM file.\n");
}

} // namespace

int main(int argc, char** argv)
{
    const bool large = verdalis::bench::takeFlag(argc, argv, "--large");
    benchmark::Initialize(&argc, argv);

    const fs::path folder = fs::temp_directory_path() / ("lumadec2-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    std::vector<Subject> subjects;
    try {
        std::vector<int> sides{kSmallSide};
        if (large) {
            sides.push_back(kLargeSide);
        }
        for (const int side : sides) {
            for (const int samples : {1, 3}) {
                subjects.push_back(prepare(folder, side, samples));
            }
        }
        for (const Subject& subject : subjects) {
            registerBenchmarks(subject, folder);
        }
        CollectingReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        printTable(subjects, reporter);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "lumadec2_bench: %s\n", error.what());
        fs::remove_all(folder);
        return 1;
    }
    fs::remove_all(folder);
    benchmark::Shutdown();
    return 0;
}
