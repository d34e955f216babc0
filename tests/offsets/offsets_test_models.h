#pragma once

// Hull models made by the tests: closed-form hulls as STL facets and as
// OpenCASCADE solids written to STEP, and a run of norvika-offsets in-process.

#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "hull_mesh.h"
#include "model/hull_data_file.h"
#include "model/hull_model.h"
#include "offsets_run.h"

namespace norvika::offsets::testing {

using Facet = std::array<Point3, 3>;

/// An ASCII STL of the facets (each counter-clockwise seen from outside).
inline std::string stlText(const std::vector<Facet>& facets) {
  std::ostringstream s;
  s.precision(17);
  s << "solid hull\n";
  for (const Facet& f : facets) {
    s << " facet normal 0 0 0\n  outer loop\n";
    for (const Point3& p : f) s << "   vertex " << p.x << " " << p.y << " " << p.z << "\n";
    s << "  endloop\n endfacet\n";
  }
  s << "endsolid hull\n";
  return s.str();
}

/// A binary STL of the facets (single precision, as the format holds them).
std::string binaryStl(const std::vector<Facet>& facets);

/// The 12 facets of the box [x0, x1] x [y0, y1] x [z0, z1], facing outward.
std::vector<Facet> boxFacets(double x0, double x1, double y0, double y1, double z0, double z1);

/// The parabolic hull y = B/2 (1 - (2x/L - 1)^2)(1 - ((T - z)/T)^2) for
/// 0 <= z <= T, wall-sided above T up to a flat deck at D, both halves, on
/// an nx by (nz below T + 2 above) grid of exact surface points.
struct ParabolicHull {
  double L = 100.0, B = 10.0, T = 6.0, D = 9.0;
  double halfBreadth(double x, double z) const {
    const double f = 1.0 - (2.0 * x / L - 1.0) * (2.0 * x / L - 1.0);
    const double g = z >= T ? 1.0 : 1.0 - ((T - z) / T) * ((T - z) / T);
    return 0.5 * B * f * g;
  }
};
std::vector<Facet> parabolicFacets(const ParabolicHull& hull, int nx, int nz);

/// The port half of parabolicFacets closed by a centre-plane face on the
/// same grid, whose inner points stand `across` (m) on the starboard side of
/// y = 0, as a triangulated centre-plane surface of a CAD half hull has them.
std::vector<Facet> halfParabolicFacets(const ParabolicHull& hull, int nx, int nz, double across);

/// The faceted parabolic hull's half-breadth at a grid station x (m): the
/// exact surface at the grid heights, straight between them.
double facetedHalfBreadth(const ParabolicHull& h, int nz, double x, double z);

/// A split of a hull's patches at a length or height (m), the patches on
/// either side `gap` (m) apart with nothing joining them: a seam, a crack.
struct Split {
  double at = 0.0;
  double gap = 0.0;
};

/// A hull of both halves by its half-breadth h(x, z) over 0..L and 0..D,
/// meshed as a CAD export leaves it: each side, the bottom, the deck and the
/// ends in patches split at the lengths `across` (sides, bottom, deck) and
/// the heights `along` (sides, ends), each patch a grid of `steps` by
/// `steps` facets through exact surface points. A face where h is 0 (the
/// keel or the ends of a parabolic hull) is left out.
struct PatchedHull {
  std::function<double(double, double)> halfBreadth;
  double L = 100.0, D = 10.0;
  int steps = 12;
  std::vector<Split> across, along;
};
std::vector<Facet> patchedFacets(const PatchedHull& hull);

/// A barge of length L whose port half-section, from the keel at the centre
/// line to the deck edge, is the polyline `section` (y, z), m, both halves,
/// closed by a flat deck and flat ends, nx facets along. The heights of the
/// section's points from the first to `bottomPoints` are moved by
/// `bottomNoise(x, y)` (m) at every facet column but the ends.
std::vector<Facet> bargeFacets(const std::vector<std::array<double, 2>>& section, double L, int nx,
                               std::size_t bottomPoints,
                               const std::function<double(double, double)>& bottomNoise);

/// STEP solids made with OpenCASCADE, written in metres.
void writeBoxStep(const std::filesystem::path& path, double L, double B, double D);
/// The box as loose IGES surfaces (no solid), written in millimetres.
void writeBoxIges(const std::filesystem::path& path, double L, double B, double D);
void writeParabolicStep(const std::filesystem::path& path, const ParabolicHull& hull);

/// A scratch directory removed at the end of the test.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  void write(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
  }

 private:
  std::filesystem::path path_;
};

/// The bytes of a file, empty when it cannot be read.
inline std::string readText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

/// One in-process run of the tool.
struct ToolRun {
  int status = -1;
  std::string out, err;
};
inline ToolRun runTool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  ToolRun r;
  r.status = runOffsets(args, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

/// The written hull file as Norvika reads it.
inline HullModel readWritten(const std::filesystem::path& path) {
  return readHullDataFile(path, path.filename().string());
}

/// The number after `label` in the summary (e.g. "  model" gives the model volume).
double summaryNumber(const std::string& summary, const std::string& label);

/// Runs Norvika's whole calculation (case 6, level waterline at `draft`) in
/// `directory` on the hull file there; the displacement (t, sea water
/// 1.025 t/m3) from its report, or a negative number when the run did not
/// complete.
double norvikaDisplacement(const std::filesystem::path& directory, const std::string& hullFile,
                           double length, double draft);

}  // namespace norvika::offsets::testing
