#include "offsets_test_models.h"

#include <unistd.h>

#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeSolid.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepBuilderAPI_Sewing.hxx>
#include <BRepLib.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <Geom_BezierCurve.hxx>
#include <Geom_BezierSurface.hxx>
#include <IGESControl_Controller.hxx>
#include <IGESControl_Writer.hxx>
#include <Interface_Static.hxx>
#include <STEPControl_Controller.hxx>
#include <STEPControl_Writer.hxx>
#include <TColgp_Array1OfPnt.hxx>
#include <TColgp_Array2OfPnt.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Shell.hxx>
#include <TopoDS_Solid.hxx>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <regex>
#include <stdexcept>

#include "../core/run/run_files.h"
#include "platform/recording_platform.h"
#include "run/calculation_driver.h"

namespace norvika::offsets::testing {

namespace {

void put(std::string& s, const void* data, std::size_t size) {
  s.append(static_cast<const char*>(data), size);
}

void writeStep(const std::filesystem::path& path, const TopoDS_Shape& shape) {
  STEPControl_Controller::Init();
  Interface_Static::SetCVal("xstep.cascade.unit", "M");
  Interface_Static::SetCVal("write.step.unit", "M");
  STEPControl_Writer writer;
  if (writer.Transfer(shape, STEPControl_AsIs) != IFSelect_RetDone ||
      writer.Write(path.c_str()) != IFSelect_RetDone) {
    throw std::runtime_error("cannot write " + path.string());
  }
}

// The heights of the parabolic hull's grid: nz steps up to T, then halfway
// to the deck and the deck.
std::vector<double> gridHeights(const ParabolicHull& h, int nz) {
  std::vector<double> zs;
  for (int j = 0; j <= nz; ++j) zs.push_back(h.T * j / nz);
  zs.push_back(0.5 * (h.T + h.D));
  zs.push_back(h.D);
  return zs;
}

}  // namespace

std::string binaryStl(const std::vector<Facet>& facets) {
  std::string s(80, ' ');
  const auto count = static_cast<std::uint32_t>(facets.size());
  put(s, &count, 4);
  for (const Facet& f : facets) {
    const float normal[3] = {0.0f, 0.0f, 0.0f};
    put(s, normal, sizeof normal);
    for (const Point3& p : f) {
      const float v[3] = {static_cast<float>(p.x), static_cast<float>(p.y),
                          static_cast<float>(p.z)};
      put(s, v, sizeof v);
    }
    const std::uint16_t attribute = 0;
    put(s, &attribute, 2);
  }
  return s;
}

std::vector<Facet> boxFacets(double x0, double x1, double y0, double y1, double z0, double z1) {
  const Point3 c[8] = {{x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0},
                       {x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}};
  // Each face's corners counter-clockwise seen from outside.
  const int faces[6][4] = {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4},
                           {2, 3, 7, 6}, {1, 2, 6, 5}, {0, 4, 7, 3}};
  std::vector<Facet> facets;
  for (const auto& q : faces) {
    facets.push_back({c[q[0]], c[q[1]], c[q[2]]});
    facets.push_back({c[q[0]], c[q[2]], c[q[3]]});
  }
  return facets;
}

std::vector<Facet> parabolicFacets(const ParabolicHull& h, int nx, int nz) {
  const std::vector<double> zs = gridHeights(h, nz);
  auto port = [&](int i, std::size_t j) {
    const double x = h.L * i / nx;
    return Point3{x, h.halfBreadth(x, zs[j]), zs[j]};
  };
  auto starboard = [&](int i, std::size_t j) {
    Point3 p = port(i, j);
    p.y = -p.y;
    return p;
  };
  std::vector<Facet> facets;
  for (int i = 0; i < nx; ++i) {
    for (std::size_t j = 0; j + 1 < zs.size(); ++j) {
      const Point3 a = port(i, j), b = port(i + 1, j), c = port(i + 1, j + 1), d = port(i, j + 1);
      facets.push_back({a, d, c});
      facets.push_back({a, c, b});
      const Point3 sa = starboard(i, j), sb = starboard(i + 1, j), sc = starboard(i + 1, j + 1),
                   sd = starboard(i, j + 1);
      facets.push_back({sa, sb, sc});
      facets.push_back({sa, sc, sd});
    }
    const std::size_t top = zs.size() - 1;
    const Point3 p0 = port(i, top), p1 = port(i + 1, top);
    const Point3 s0 = starboard(i, top), s1 = starboard(i + 1, top);
    facets.push_back({p0, s1, p1});
    facets.push_back({p0, s0, s1});
  }
  return facets;
}

std::vector<Facet> halfParabolicFacets(const ParabolicHull& h, int nx, int nz, double across) {
  const std::vector<double> zs = gridHeights(h, nz);
  const std::size_t top = zs.size() - 1;
  auto hull = [&](int i, std::size_t j) {
    const double x = h.L * i / nx;
    return Point3{x, h.halfBreadth(x, zs[j]), zs[j]};
  };
  // The centre plane's edge (keel, ends, deck centre line) is the hull's own.
  auto centre = [&](int i, std::size_t j) {
    const bool edge = i == 0 || i == nx || j == 0 || j == top;
    return Point3{h.L * i / nx, edge ? 0.0 : -across, zs[j]};
  };
  std::vector<Facet> facets;
  for (int i = 0; i < nx; ++i) {
    for (std::size_t j = 0; j < top; ++j) {
      const Point3 a = hull(i, j), b = hull(i + 1, j), c = hull(i + 1, j + 1), d = hull(i, j + 1);
      facets.push_back({a, d, c});
      facets.push_back({a, c, b});
      const Point3 ca = centre(i, j), cb = centre(i + 1, j), cc = centre(i + 1, j + 1),
                   cd = centre(i, j + 1);
      facets.push_back({ca, cb, cc});
      facets.push_back({ca, cc, cd});
    }
    facets.push_back({hull(i, top), centre(i + 1, top), hull(i + 1, top)});
    facets.push_back({hull(i, top), centre(i, top), centre(i + 1, top)});
  }
  return facets;
}

double facetedHalfBreadth(const ParabolicHull& h, int nz, double x, double z) {
  const std::vector<double> zs = gridHeights(h, nz);
  const auto it = std::lower_bound(zs.begin(), zs.end(), z);
  if (it == zs.begin()) return h.halfBreadth(x, zs.front());
  if (it == zs.end()) return h.halfBreadth(x, zs.back());
  const double z0 = *(it - 1), z1 = *it;
  const double y0 = h.halfBreadth(x, z0), y1 = h.halfBreadth(x, z1);
  return y0 + (z - z0) / (z1 - z0) * (y1 - y0);
}

namespace {

// The spans of the patches along one axis: 0..extent cut at the splits,
// each side of a split half its gap short of it.
std::vector<std::pair<double, double>> spansOf(double extent, const std::vector<Split>& splits) {
  std::vector<std::pair<double, double>> spans;
  double from = 0.0;
  for (const Split& s : splits) {
    spans.emplace_back(from, s.at - 0.5 * s.gap);
    from = s.at + 0.5 * s.gap;
  }
  spans.emplace_back(from, extent);
  return spans;
}

// A grid patch's facets, its corners p(i, j) for i, j in 0..n, turning so
// that (i, j) -> (i, j + 1) -> (i + 1, j + 1) faces outward.
template <typename Corner>
void addPatch(int n, const Corner& p, std::vector<Facet>& facets) {
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      const Point3 a = p(i, j), b = p(i + 1, j), c = p(i + 1, j + 1), d = p(i, j + 1);
      facets.push_back({a, d, c});
      facets.push_back({a, c, b});
    }
  }
}

double along(const std::pair<double, double>& span, int i, int n) {
  return i == n ? span.second : span.first + (span.second - span.first) * i / n;
}

}  // namespace

std::vector<Facet> patchedFacets(const PatchedHull& hull) {
  const int n = hull.steps;
  const auto xs = spansOf(hull.L, hull.across), zs = spansOf(hull.D, hull.along);
  const auto h = hull.halfBreadth;
  std::vector<Facet> facets;
  for (const auto& sx : xs) {
    for (const auto& sz : zs) {
      for (const double side : {1.0, -1.0}) {
        addPatch(
            n,
            [&](int i, int j) {
              const double x = along(sx, side > 0.0 ? i : j, n),
                           z = along(sz, side > 0.0 ? j : i, n);
              return Point3{x, side * h(x, z), z};
            },
            facets);
      }
    }
    // The bottom faces down, the deck up: each from starboard to port.
    for (const double z : {0.0, hull.D}) {
      if (h(0.5 * (sx.first + sx.second), z) <= 0.0) continue;
      const bool bottom = z == 0.0;
      addPatch(
          n,
          [&](int i, int k) {
            const double x = along(sx, bottom ? k : i, n), s = -1.0 + 2.0 * (bottom ? i : k) / n;
            return Point3{x, s * h(x, z), z};
          },
          facets);
    }
  }
  for (const double x : {0.0, hull.L}) {
    for (const auto& sz : zs) {
      if (h(x, 0.5 * (sz.first + sz.second)) <= 0.0) continue;
      const bool aft = x == 0.0;
      addPatch(
          n,
          [&](int k, int j) {
            const double z = along(sz, aft ? j : k, n), s = -1.0 + 2.0 * (aft ? k : j) / n;
            return Point3{x, s * h(x, z), z};
          },
          facets);
    }
  }
  return facets;
}

std::vector<Facet> bargeFacets(const std::vector<std::array<double, 2>>& section, double L, int nx,
                               std::size_t bottomPoints,
                               const std::function<double(double, double)>& bottomNoise) {
  auto point = [&](int i, std::size_t k, double side) {
    const double x = L * i / nx;
    const auto [y, z] = section[k];
    const bool noisy = k < bottomPoints && i > 0 && i < nx;
    return Point3{x, side * y, z + (noisy ? bottomNoise(x, side * y) : 0.0)};
  };
  std::vector<Facet> facets;
  const std::size_t top = section.size() - 1;
  for (int i = 0; i < nx; ++i) {
    for (std::size_t k = 0; k < top; ++k) {
      const Point3 a = point(i, k, 1), b = point(i + 1, k, 1), c = point(i + 1, k + 1, 1),
                   d = point(i, k + 1, 1);
      facets.push_back({a, c, d});
      facets.push_back({a, b, c});
      const Point3 sa = point(i, k, -1), sb = point(i + 1, k, -1), sc = point(i + 1, k + 1, -1),
                   sd = point(i, k + 1, -1);
      facets.push_back({sa, sd, sc});
      facets.push_back({sa, sc, sb});
    }
    facets.push_back({point(i, top, 1), point(i + 1, top, -1), point(i + 1, top, 1)});
    facets.push_back({point(i, top, 1), point(i, top, -1), point(i + 1, top, -1)});
  }
  // The ends: fans from the keel's point, aft facing aft and forward forward.
  for (std::size_t k = 1; k < top; ++k) {
    for (const double side : {1.0, -1.0}) {
      const bool turn = side < 0.0;
      const Point3 keel = point(0, 0, side), p = point(0, k, side), q = point(0, k + 1, side);
      facets.push_back(turn ? Facet{keel, p, q} : Facet{keel, q, p});
      const Point3 fk = point(nx, 0, side), fp = point(nx, k, side), fq = point(nx, k + 1, side);
      facets.push_back(turn ? Facet{fk, fq, fp} : Facet{fk, fp, fq});
    }
  }
  for (const int i : {0, nx}) {
    const Point3 keel = point(i, 0, 1), port = point(i, top, 1), starboard = point(i, top, -1);
    facets.push_back(i == 0 ? Facet{keel, starboard, port} : Facet{keel, port, starboard});
  }
  return facets;
}

void writeBoxStep(const std::filesystem::path& path, double L, double B, double D) {
  writeStep(path, BRepPrimAPI_MakeBox(gp_Pnt(0.0, -0.5 * B, 0.0), L, B, D).Shape());
}

void writeBoxIges(const std::filesystem::path& path, double L, double B, double D) {
  // The IGES writer takes shapes in millimetres; the file says so and the
  // reader brings it back to metres.
  IGESControl_Controller::Init();
  IGESControl_Writer writer("MM", 0);
  const TopoDS_Shape box =
      BRepPrimAPI_MakeBox(gp_Pnt(0.0, -500.0 * B, 0.0), 1000.0 * L, 1000.0 * B, 1000.0 * D).Shape();
  for (TopExp_Explorer face(box, TopAbs_FACE); face.More(); face.Next()) {
    writer.AddShape(face.Current());
  }
  writer.ComputeModel();
  if (!writer.Write(path.c_str())) throw std::runtime_error("cannot write " + path.string());
}

void writeParabolicStep(const std::filesystem::path& path, const ParabolicHull& h) {
  // y = B/2 f(x) g(z) is a product of quadratics, so each half below T is
  // exactly a 2 x 2 Bezier patch: x and z poles evenly spaced, y poles the
  // products of f's Bernstein coefficients (0, B, 0) and g's (0, 1, 1).
  const double fb[3] = {0.0, h.B, 0.0};
  const double gb[3] = {0.0, 1.0, 1.0};
  BRepBuilderAPI_Sewing sewing(1e-6);
  TColgp_Array1OfPnt portDeck(1, 3), starboardDeck(1, 3);
  for (const double side : {1.0, -1.0}) {
    TColgp_Array2OfPnt below(1, 3, 1, 3), above(1, 3, 1, 2);
    for (int i = 1; i <= 3; ++i) {
      const double x = 0.5 * h.L * (i - 1);
      for (int j = 1; j <= 3; ++j) {
        below.SetValue(i, j, gp_Pnt(x, side * fb[i - 1] * gb[j - 1], 0.5 * h.T * (j - 1)));
      }
      above.SetValue(i, 1, gp_Pnt(x, side * fb[i - 1], h.T));
      above.SetValue(i, 2, gp_Pnt(x, side * fb[i - 1], h.D));
      (side > 0.0 ? portDeck : starboardDeck).SetValue(i, gp_Pnt(x, side * fb[i - 1], h.D));
    }
    sewing.Add(BRepBuilderAPI_MakeFace(new Geom_BezierSurface(below), 1e-7).Face());
    sewing.Add(BRepBuilderAPI_MakeFace(new Geom_BezierSurface(above), 1e-7).Face());
  }
  BRepBuilderAPI_MakeWire deckEdge(
      BRepBuilderAPI_MakeEdge(new Geom_BezierCurve(portDeck)).Edge(),
      BRepBuilderAPI_MakeEdge(new Geom_BezierCurve(starboardDeck)).Edge());
  sewing.Add(BRepBuilderAPI_MakeFace(deckEdge.Wire(), Standard_True).Face());
  sewing.Perform();
  TopExp_Explorer shells(sewing.SewedShape(), TopAbs_SHELL);
  if (!shells.More()) throw std::runtime_error("the parabolic hull did not sew into a shell");
  TopoDS_Solid solid = BRepBuilderAPI_MakeSolid(TopoDS::Shell(shells.Current())).Solid();
  BRepLib::OrientClosedSolid(solid);
  writeStep(path, solid);
}

ScratchDirectory::ScratchDirectory() {
  static int counter = 0;
  path_ = std::filesystem::temp_directory_path() /
          ("norvika-offsets-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

double summaryNumber(const std::string& summary, const std::string& label) {
  const std::regex pattern("\n" + label + " +(-?[0-9.]+)");
  std::smatch m;
  if (!std::regex_search(summary, m, pattern)) return std::nan("");
  return std::stod(m[1].str());
}

double norvikaDisplacement(const std::filesystem::path& directory, const std::string& hullFile,
                           double length, double draft) {
  std::ofstream(directory / "Norvika.TSK", std::ios::binary) << norvika::testing::taskText(
      hullFile, length, 20, 1.025, 6, {std::to_string(draft), std::to_string(draft)}, "0, 0, 0");
  RecordingPlatform platform(directory);
  const RunOutcome outcome = runCalculation(platform);
  return outcome.reason == ExitReason::Completed ? outcome.immersion()->displacement : -1.0;
}

}  // namespace norvika::offsets::testing
