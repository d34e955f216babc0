#include "summary.h"

#include <algorithm>
#include <cmath>

#include "calculation/section_area.h"
#include "calculation/section_integrals.h"
#include "numerics/integration_spline.h"
#include "text/text_format.h"

namespace norvika::offsets {

namespace {

constexpr double kVolumeLimit = 0.01;  // of the model's volume
constexpr double kLcbLimit = 0.005;    // of the length between perpendiculars
// Of the model's: the waterplane and the wetted surface follow the
// half-breadths and the girths, which the station curves carry less
// exactly than the areas.
constexpr double kSurfaceLimit = 0.02;

std::string fixed(double value, int width, int decimals) {
  return formatFixed(value, width, decimals);
}

std::string percent(double a, double b) {
  if (b == 0.0) return "     -";
  return fixed(100.0 * (a - b) / b, 3, 2);
}

double share(double a, double b) { return b != 0.0 ? (a - b) / b : 0.0; }

// Where the offsets and the model part most in `member`: at a station when
// the stations' own differences make at least half of the whole
// `difference` along the ship, else between the stations (or beyond the end
// ones) where the model's cuts hold most more or less than the stations
// say.
std::string whereApart(const ModelHydrostatics& model, const std::vector<SectionValues>& stations,
                       const OffsetsValues& offsets, double SectionValues::*member,
                       double difference, const char* what, const char* unit) {
  const int n = static_cast<int>(stations.size());
  Table<double> x(kMaxStations), d(kMaxStations);
  std::size_t at = 0;
  for (int st = 1; st <= n; ++st) {
    const auto k = static_cast<std::size_t>(st - 1);
    x(st) = offsets.stationX[k];
    d(st) = offsets.stations[k].*member - stations[k].*member;
    if (std::fabs(d(st)) > std::fabs(d(static_cast<int>(at) + 1))) at = k;
  }
  if (std::fabs(integrateTabulated(n, x, d)) >= 0.5 * std::fabs(difference)) {
    return ", most at station " + std::to_string(at + 1) +
           " (x =" + numberText(offsets.stationX[at]) + " m: " + what + " " +
           formatPlain(offsets.stations[at].*member, 3) + " " + unit + " against the model's " +
           formatPlain(stations[at].*member, 3) + " " + unit + ")";
  }
  // Stretch s lies between stations s - 1 and s (0: aft of the first, n:
  // forward of the last); what the model holds there against the trapezoid
  // of the stations' values.
  std::vector<double> apart(static_cast<std::size_t>(n) + 1, 0.0);
  for (const ModelCut& c : model.cuts) {
    const auto s = static_cast<std::size_t>(
        std::upper_bound(offsets.stationX.begin(), offsets.stationX.end(), c.x) -
        offsets.stationX.begin());
    apart[s] += c.values.*member * c.weight;
  }
  for (std::size_t s = 1; s < static_cast<std::size_t>(n); ++s) {
    apart[s] -= 0.5 * (stations[s - 1].*member + stations[s].*member) *
                (offsets.stationX[s] - offsets.stationX[s - 1]);
  }
  std::size_t most = 0;
  for (std::size_t s = 1; s < apart.size(); ++s) {
    if (std::fabs(apart[s]) > std::fabs(apart[most])) most = s;
  }
  const std::string agree =
      ", while the stations agree with the model's sections: most of it lies ";
  if (most == 0) {
    return agree + "aft of station 1 (x =" + numberText(offsets.stationX.front()) +
           " m), where the stations do not reach";
  }
  if (most == apart.size() - 1) {
    return agree + "forward of station " + std::to_string(n) +
           " (x =" + numberText(offsets.stationX.back()) + " m), where the stations do not reach";
  }
  return agree + "between stations " + std::to_string(most) + " and " + std::to_string(most + 1) +
         " (x =" + numberText(offsets.stationX[most - 1]) + " to" +
         numberText(offsets.stationX[most]) +
         " m), where the hull changes faster than the "
         "stations follow";
}

}  // namespace

OffsetsValues offsetsValuesBelow(HullModel hull, double draft) {
  computeHullExtents(hull);
  OffsetsValues result;
  Table<double> x(kMaxStations), area(kMaxStations), moment(kMaxStations), breadth(kMaxStations),
      girth(kMaxStations);
  StationSection section;
  for (int st = 1; st <= hull.stationCount; ++st) {
    prepareStationSection(hull, st, section);
    const SectionBelow below = sectionBelow(section, draft);
    x(st) = hull.stationX(st);
    area(st) = sectionArea(section.curve, draft);
    moment(st) = x(st) * area(st);
    breadth(st) = 2.0 * below.halfBreadth;
    girth(st) = below.girth;
    result.stationX.push_back(x(st));
    result.stations.push_back({area(st), breadth(st), girth(st)});
  }
  const int n = hull.stationCount;
  result.volume = integrateTabulated(n, x, area);
  const double m = integrateTabulated(n, x, moment);
  result.lcb = result.volume != 0.0 ? m / result.volume : 0.0;
  result.waterplaneArea = integrateTabulated(n, x, breadth);
  result.wettedSurface = integrateTabulated(n, x, girth);
  return result;
}

Verdict judgeOffsets(const ModelHydrostatics& model,
                     const std::vector<SectionValues>& modelStations, const OffsetsValues& offsets,
                     double length) {
  const double volumeShare = share(offsets.volume, model.volume);
  const double lcbShift = offsets.lcb - model.lcb;
  const double waterplaneShare = share(offsets.waterplaneArea, model.waterplaneArea);
  const double wettedShare = share(offsets.wettedSurface, model.wettedSurface);
  const double volumeRatio =
      std::max(std::fabs(volumeShare) / kVolumeLimit, std::fabs(lcbShift) / (kLcbLimit * length));
  const double waterplaneRatio = std::fabs(waterplaneShare) / kSurfaceLimit;
  const double wettedRatio = std::fabs(wettedShare) / kSurfaceLimit;
  Verdict v;
  v.worst = std::max({volumeRatio, waterplaneRatio, wettedRatio});
  v.agrees = v.worst <= 1.0;
  v.figures = "volume " + formatFixed(100.0 * volumeShare, 1, 2) + " %, LCB " +
              formatFixed(lcbShift, 1, 3) + " m, waterplane area " +
              formatFixed(100.0 * waterplaneShare, 1, 2) + " %, wetted surface " +
              formatFixed(100.0 * wettedShare, 1, 2) + " %";
  // What differs, each followed by where, said once for a run of the same place.
  std::vector<std::pair<std::string, std::string>> parts;
  if (volumeRatio > 1.0) {
    parts.emplace_back(
        "the written offsets hold " + formatFixed(offsets.volume, 1, 1) + " m3 with LCB " +
            formatFixed(offsets.lcb, 1, 3) + " m, the model " + formatFixed(model.volume, 1, 1) +
            " m3 with LCB " + formatFixed(model.lcb, 1, 3) + " m (" +
            formatFixed(100.0 * volumeShare, 1, 2) + " % in volume, " +
            formatFixed(lcbShift, 1, 3) + " m in LCB; at most 1 % and " +
            formatFixed(kLcbLimit * length, 1, 3) + " m, 0.5 % of the length, are accepted)",
        whereApart(model, modelStations, offsets, &SectionValues::area,
                   offsets.volume - model.volume, "area", "m2"));
  }
  if (waterplaneRatio > 1.0) {
    parts.emplace_back("the waterplane area " + formatFixed(offsets.waterplaneArea, 1, 1) +
                           " m2 against the model's " + formatFixed(model.waterplaneArea, 1, 1) +
                           " m2 (" + formatFixed(100.0 * waterplaneShare, 1, 2) +
                           " %; at most 2 % is accepted)",
                       whereApart(model, modelStations, offsets, &SectionValues::breadth,
                                  offsets.waterplaneArea - model.waterplaneArea, "breadth", "m"));
  }
  if (wettedRatio > 1.0) {
    parts.emplace_back("the wetted surface (girths along the ship) " +
                           formatFixed(offsets.wettedSurface, 1, 1) + " m2 against the model's " +
                           formatFixed(model.wettedSurface, 1, 1) + " m2 (" +
                           formatFixed(100.0 * wettedShare, 1, 2) + " %; at most 2 % is accepted)",
                       whereApart(model, modelStations, offsets, &SectionValues::girth,
                                  offsets.wettedSurface - model.wettedSurface, "girth", "m"));
  }
  for (std::size_t k = 0; k < parts.size(); ++k) {
    v.text += (k > 0 ? "; " : "") + parts[k].first;
    if (k + 1 == parts.size() || parts[k + 1].second != parts[k].second) v.text += parts[k].second;
  }
  return v;
}

void printSummary(std::ostream& out, const SummaryData& s) {
  const MeshBounds& b = s.bounds;
  out << "model " << s.modelName << " (" << s.formatName << "): " << s.triangles << " triangles, "
      << (s.openEdges == 0 ? std::string("closed") : std::to_string(s.openEdges) + " open edges")
      << ", " << s.sidesText << "\n";
  out << "bounds (m)   length " << fixed(b.low.x, 8, 3) << " .." << fixed(b.high.x, 8, 3)
      << "   breadth " << fixed(b.low.y, 7, 3) << " .." << fixed(b.high.y, 7, 3) << "   height "
      << fixed(b.low.z, 7, 3) << " .." << fixed(b.high.z, 7, 3) << "\n";
  out << "AP " << fixed(s.ap, 1, 3) << " m, FP " << fixed(s.fp, 1, 3) << " m, base line "
      << fixed(s.base, 1, 3) << " m; hull file " << s.hullFile << ": " << s.stationX.size()
      << " stations\n";
  if (!s.baseGiven) {
    out << "base line at the model's lowest point, x = " << fixed(b.lowest.x - s.ap, 1, 3)
        << " m from AP (a sonar dome or a skeg, not the keel? give --base)\n";
  }
  if (s.seamsClosed > 0) {
    out << "seams closed: " << s.seamsClosed << " gaps of the stations' outlines narrower than "
        << fixed(s.seam, 1, 3) << " m joined\n";
  }
  out << "\n";
  out << "station   x from AP  records   below T = " << fixed(s.draft, 1, 3)
      << " m:  area (m2)              girth (m)\n";
  out << "               (m)               model   offsets   diff %     model  offsets  diff %\n";
  double largestArea = 0.0, largestGirth = 0.0;
  for (const SectionValues& v : s.modelStations) {
    largestArea = std::max(largestArea, std::fabs(v.area));
    largestGirth = std::max(largestGirth, std::fabs(v.girth));
  }
  auto difference = [](double offsets, double model, double largest) {
    return std::fabs(model) < 1e-3 * largest ? std::string("     -") : percent(offsets, model);
  };
  for (std::size_t k = 0; k < s.stationX.size(); ++k) {
    const SectionValues& m = s.modelStations[k];
    const SectionValues& o = s.offsets.stations[k];
    out << padInteger(static_cast<double>(k + 1), 7) << fixed(s.stationX[k], 8, 3)
        << padInteger(s.stationPoints[k], 9) << fixed(m.area, 13, 3) << fixed(o.area, 6, 3) << "  "
        << difference(o.area, m.area, largestArea) << fixed(m.girth, 6, 3) << fixed(o.girth, 4, 3)
        << "  " << difference(o.girth, m.girth, largestGirth) << "\n";
  }
  out << "\n";
  out << "volume below T = " << fixed(s.draft, 1, 3) << " m"
      << (s.draftGiven ? std::string(":")
                       : std::string(" (60 % of the depth amidships; give --draft for yours):"))
      << "\n";
  out << "  model   " << fixed(s.model.volume, 8, 1) << " m3   LCB " << fixed(s.model.lcb, 4, 3)
      << " m from AP   (the model's own sections, " << s.model.sections
      << " cuts along its length)\n";
  out << "  offsets " << fixed(s.offsets.volume, 8, 1) << " m3   LCB " << fixed(s.offsets.lcb, 4, 3)
      << " m from AP   (Norvika's station splines and integration on " << s.hullFile << ")\n";
  out << "  difference " << percent(s.offsets.volume, s.model.volume) << " % in volume, "
      << fixed(s.offsets.lcb - s.model.lcb, 1, 3) << " m in LCB\n";
  out << "waterplane area and wetted surface (girths along the ship) at T = "
      << fixed(s.draft, 1, 3) << " m:\n";
  out << "  model   " << fixed(s.model.waterplaneArea, 8, 1) << " m2 "
      << fixed(s.model.wettedSurface, 8, 1) << " m2\n";
  out << "  offsets " << fixed(s.offsets.waterplaneArea, 8, 1) << " m2 "
      << fixed(s.offsets.wettedSurface, 8, 1) << " m2\n";
  out << "  difference " << percent(s.offsets.waterplaneArea, s.model.waterplaneArea) << " %    "
      << percent(s.offsets.wettedSurface, s.model.wettedSurface) << " %\n";
  out << "station curves: within " << fixed(s.curves.deviation.distance, 1, 3)
      << " m of the cut's outline";
  // A deviation the summary would print as 0.000 m names no station.
  if (s.curves.station > 0 && s.curves.deviation.distance >= 0.0005) {
    out << " (most at station " << s.curves.station << ", z = " << fixed(s.curves.deviation.z, 1, 3)
        << " m; its tolerance " << fixed(s.curves.tolerance, 1, 3) << " m)";
  }
  out << "\n";
}

}  // namespace norvika::offsets
