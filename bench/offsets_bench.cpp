// norvika-offsets: cutting the DTMB 5415 mesh, the same mesh subdivided to
// about a million triangles, and a STEP hull with its triangulation.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "model_reading.h"
#include "offsets_run.h"
#include "offsets_test_models.h"

namespace {

using namespace norvika::offsets;

HullMesh dtmbMesh() {
  const std::filesystem::path path =
      std::filesystem::path(NORVIKA_SOURCE_DIR) / "examples/dtmb5415/mesh/dtmb5415.stl";
  std::vector<std::string> warnings;
  return readHullModel(path, ModelFormat::Stl, ModelPlacement{}, warnings);
}

SamplingRules rulesFor(const HullMesh& mesh) {
  const MeshBounds b = meshBounds(mesh);
  SamplingRules rules;
  rules.points = 30;
  rules.draft = 6.15;
  rules.modelTop = b.high.z;
  rules.modelMiddle = 0.5 * (b.low.z + b.high.z);
  return rules;
}

std::vector<double> stations(int n, double length) {
  std::vector<double> x;
  for (int i = 0; i < n; ++i) x.push_back(length * i / (n - 1));
  return x;
}

// Each triangle into four by its edge midpoints.
HullMesh subdivided(const HullMesh& mesh) {
  HullMesh out;
  out.nodes = mesh.nodes;
  auto middle = [&](int a, int b) {
    const Point3& p = mesh.nodes[static_cast<std::size_t>(a)];
    const Point3& q = mesh.nodes[static_cast<std::size_t>(b)];
    out.nodes.push_back({0.5 * (p.x + q.x), 0.5 * (p.y + q.y), 0.5 * (p.z + q.z)});
    return static_cast<int>(out.nodes.size()) - 1;
  };
  for (const auto& t : mesh.triangles) {
    const int ab = middle(t[0], t[1]), bc = middle(t[1], t[2]), ca = middle(t[2], t[0]);
    out.triangles.push_back({t[0], ab, ca});
    out.triangles.push_back({ab, t[1], bc});
    out.triangles.push_back({ca, bc, t[2]});
    out.triangles.push_back({ab, bc, ca});
  }
  weldNodes(out);
  return out;
}

CutModel cutModelOf(const HullMesh& mesh) {
  CutModel model;
  model.mesh = &mesh;
  model.boundary = boundaryOf(mesh);
  model.tolerances = cutTolerances(mesh, 0.001);
  model.middleX = 71.0;
  return model;
}

void cutIntoStations(benchmark::State& state, const HullMesh& mesh) {
  const SamplingRules rules = rulesFor(mesh);
  const std::vector<double> x = stations(41, 142.0);
  const CutModel model = cutModelOf(mesh);
  for (auto _ : state) {
    const CutResult cut = cutHull(model, x, rules, 71.0, "BENCH");
    benchmark::DoNotOptimize(cut.table.stations.data());
  }
  state.counters["triangles"] = static_cast<double>(mesh.triangles.size());
}

void BM_CutDtmb5415_41x30(benchmark::State& state) {
  static const HullMesh mesh = dtmbMesh();
  cutIntoStations(state, mesh);
}
BENCHMARK(BM_CutDtmb5415_41x30)->Unit(benchmark::kMillisecond);

void BM_CutDtmb5415Subdivided_41x30(benchmark::State& state) {
  // 3 436 triangles times 4^4: about 880 000.
  static const HullMesh mesh = [] {
    HullMesh m = dtmbMesh();
    for (int level = 0; level < 4; ++level) m = subdivided(m);
    return m;
  }();
  cutIntoStations(state, mesh);
}
BENCHMARK(BM_CutDtmb5415Subdivided_41x30)->Unit(benchmark::kMillisecond);

void BM_WholeRunDtmb5415Subdivided_41x30(benchmark::State& state) {
  // The whole tool as a user runs it: the binary STL read, checked, cut,
  // checked against the model's own sections and written.
  static const norvika::offsets::testing::ScratchDirectory dir;
  static const std::filesystem::path stl = [] {
    HullMesh m = dtmbMesh();
    for (int level = 0; level < 4; ++level) m = subdivided(m);
    std::vector<norvika::offsets::testing::Facet> facets;
    for (const auto& t : m.triangles) {
      facets.push_back({m.nodes[static_cast<std::size_t>(t[0])],
                        m.nodes[static_cast<std::size_t>(t[1])],
                        m.nodes[static_cast<std::size_t>(t[2])]});
    }
    dir.write("dtmb.stl", norvika::offsets::testing::binaryStl(facets));
    return dir / "dtmb.stl";
  }();
  const std::vector<std::string> args = {stl.string(), "-o",     (dir / "DTMB.DAT").string(),
                                         "--ap",       "0",      "--fp",
                                         "142",        "--base", "0",
                                         "--draft",    "6.15",   "--stations",
                                         "41"};
  for (auto _ : state) {
    std::ostringstream out, err;
    benchmark::DoNotOptimize(runOffsets(args, out, err));
  }
}
BENCHMARK(BM_WholeRunDtmb5415Subdivided_41x30)->Unit(benchmark::kMillisecond);

void BM_StepParabolicHull_21x30(benchmark::State& state) {
  static const norvika::offsets::testing::ScratchDirectory dir;
  const norvika::offsets::testing::ParabolicHull hull;
  const std::filesystem::path step = dir / "parabolic.step";
  norvika::offsets::testing::writeParabolicStep(step, hull);
  ModelPlacement placement;
  placement.deflection = 0.001;
  for (auto _ : state) {
    std::vector<std::string> warnings;
    const HullMesh mesh = readHullModel(step, ModelFormat::Step, placement, warnings);
    SamplingRules rules = rulesFor(mesh);
    rules.draft = hull.T;
    const CutResult cut =
        cutHull(cutModelOf(mesh), stations(21, hull.L), rules, 0.5 * hull.L, "BENCH");
    benchmark::DoNotOptimize(cut.table.stations.data());
    state.counters["triangles"] = static_cast<double>(mesh.triangles.size());
  }
}
BENCHMARK(BM_StepParabolicHull_21x30)->Unit(benchmark::kMillisecond);

}  // namespace
