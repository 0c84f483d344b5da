// Forward and inverse throughput of every projection, single thread, and in
// the same run PROJ's throughput for the equivalent operation through its C
// API (the definitions of the reference tests), printed as ratios at the end.
#include <benchmark/benchmark.h>
#include <proj.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "reference_cases.h"
#include "vantor32.h"

namespace {

using vantor_test::deg;
using vantor_test::Parameters;
using vantor_test::ReferenceCase;

constexpr int kPoints = 4096;

// The grid of a case, repeated to kPoints: latitudes and longitudes in
// radians, and the plane coordinates our forward gives for them.
struct Workload {
  ReferenceCase reference;
  Parameters parameters;
  std::vector<double> latitudes, longitudes, northings, eastings;
};

Workload make_workload(const ReferenceCase& reference) {
  Workload w{reference, reference.parameters, {}, {}, {}, {}};
  proj_consts(reference.projection, w.parameters.data());
  const std::vector<vantor_test::GeographicPoint> grid = vantor_test::grid_points(reference.grid);
  for (int i = 0; i < kPoints; ++i) {
    const auto& point = grid[i % grid.size()];
    double n = 0, e = 0;
    proj_forward(reference.projection, w.parameters.data(), deg(point.latitude), deg(point.longitude), &n, &e,
                 nullptr, nullptr);
    w.latitudes.push_back(deg(point.latitude));
    w.longitudes.push_back(deg(point.longitude));
    w.northings.push_back(n);
    w.eastings.push_back(e);
  }
  return w;
}

void vantor_forward(benchmark::State& state, Workload* w) {
  double n = 0, e = 0;
  for (auto _ : state) {
    for (int i = 0; i < kPoints; ++i) {
      proj_forward(w->reference.projection, w->parameters.data(), w->latitudes[i], w->longitudes[i], &n, &e,
                   nullptr, nullptr);
      benchmark::DoNotOptimize(n);
      benchmark::DoNotOptimize(e);
    }
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

void vantor_inverse(benchmark::State& state, Workload* w) {
  double latitude = 0, longitude = 0;
  for (auto _ : state) {
    for (int i = 0; i < kPoints; ++i) {
      proj_inverse(w->reference.projection, w->parameters.data(), w->northings[i], w->eastings[i], &latitude,
                   &longitude, nullptr, nullptr);
      benchmark::DoNotOptimize(latitude);
      benchmark::DoNotOptimize(longitude);
    }
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

// PROJ's conversion for the case, taking radians (longitude first) forward.
struct ProjOperation {
  PJ_CONTEXT* context = proj_context_create();
  PJ* operation = nullptr;
  explicit ProjOperation(const std::string& definition) {
    operation = proj_create(context, definition.c_str());
  }
  ~ProjOperation() {
    proj_destroy(operation);
    proj_context_destroy(context);
  }
  ProjOperation(const ProjOperation&) = delete;
  ProjOperation& operator=(const ProjOperation&) = delete;
};

void proj_transform(benchmark::State& state, Workload* w, PJ_DIRECTION direction) {
  const ProjOperation proj(w->reference.proj + " " + w->reference.figure);
  if (!proj.operation) {
    state.SkipWithError("PROJ rejected the definition");
    return;
  }
  const bool forward = direction == PJ_FWD;
  std::vector<double> x(kPoints), y(kPoints);
  for (auto _ : state) {
    state.PauseTiming();
    if (forward) {
      x = w->longitudes;
      y = w->latitudes;
    } else {
      x = w->eastings;
      y = w->northings;
    }
    state.ResumeTiming();
    proj_trans_generic(proj.operation, direction, x.data(), sizeof(double), kPoints, y.data(), sizeof(double),
                       kPoints, nullptr, 0, 0, nullptr, 0, 0);
    benchmark::DoNotOptimize(x.data());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

// Collects the throughput of every run for the closing table. With
// --benchmark_repetitions the table shows the median of the repetitions,
// which the machine's other load disturbs least.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const auto rate = run.counters.find("items_per_second");
      if (rate == run.counters.end()) continue;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Iteration || median) rates_[run.run_name.function_name] = rate->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void print_ratios(const std::vector<std::string>& labels) const {
    std::printf("\n%-36s %14s %14s %7s %14s %14s %7s\n", "points per second", "ours fwd", "PROJ fwd", "ratio",
                "ours inv", "PROJ inv", "ratio");
    for (const std::string& label : labels) {
      if (rate("forward/" + label + "/vantor32") == 0) continue;  // filtered out of this run
      std::printf("%-36s", label.c_str());
      for (const char* direction : {"forward", "inverse"}) {
        const double ours = rate(std::string(direction) + "/" + label + "/vantor32");
        const double theirs = rate(std::string(direction) + "/" + label + "/proj");
        if (theirs > 0) {
          std::printf(" %14.0f %14.0f %7.2f", ours, theirs, ours / theirs);
        } else {
          std::printf(" %14.0f %14s %7s", ours, "-", "-");
        }
      }
      std::printf("\n");
    }
  }

 private:
  double rate(const std::string& name) const {
    const auto found = rates_.find(name);
    return found == rates_.end() ? 0 : found->second;
  }
  std::map<std::string, double> rates_;
};

}  // namespace

// Two Point Fit, which PROJ does not offer: our figures only.
ReferenceCase two_point_fit_case() {
  ReferenceCase c{};
  c.label = "two point fit";
  c.projection = VANTOR32_TWO_POINT_FIT;
  c.parameters = vantor_test::make_parameters(vantor_test::kWgs84, {{2, deg(47)}, {12, deg(8)}, {3, deg(46)},
                                                                   {13, deg(10)}, {14, 250000}, {15, 600000},
                                                                   {16, 140000}, {17, 752000}});
  c.grid = {44, 49, 6, 12, 6, 7};
  return c;
}

int main(int argc, char** argv) {
  std::vector<std::unique_ptr<Workload>> workloads;
  std::vector<std::string> labels;
  std::vector<ReferenceCase> cases = vantor_test::reference_cases();
  cases.push_back(two_point_fit_case());
  for (const ReferenceCase& reference : cases) {
    workloads.push_back(std::make_unique<Workload>(make_workload(reference)));
    Workload* w = workloads.back().get();
    const std::string label = reference.label;
    labels.push_back(label);
    benchmark::RegisterBenchmark(("forward/" + label + "/vantor32").c_str(), vantor_forward, w);
    benchmark::RegisterBenchmark(("inverse/" + label + "/vantor32").c_str(), vantor_inverse, w);
    if (reference.proj.empty()) continue;
    benchmark::RegisterBenchmark(("forward/" + label + "/proj").c_str(), proj_transform, w, PJ_FWD);
    benchmark::RegisterBenchmark(("inverse/" + label + "/proj").c_str(), proj_transform, w, PJ_INV);
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.print_ratios(labels);
  benchmark::Shutdown();
  return 0;
}
