#include "summary.h"

#include <algorithm>
#include <cmath>

#include "calculation/section_area.h"
#include "model/hull_model.h"
#include "numerics/integration_spline.h"
#include "numerics/station_spline.h"
#include "support/run_end.h"
#include "text/text_format.h"

namespace norvika::offsets {

namespace {

constexpr double kVolumeLimit = 0.01;  // of the model's volume
constexpr double kLcbLimit = 0.005;    // of the length between perpendiculars

std::string fixed(double value, int width, int decimals) {
  return formatFixed(value, width, decimals);
}

std::string percent(double a, double b) {
  if (b == 0.0) return "     -";
  return fixed(100.0 * (a - b) / b, 3, 2);
}

}  // namespace

OffsetsVolume offsetsVolumeBelow(HullModel hull, double draft) {
  computeHullExtents(hull);
  OffsetsVolume result;
  Table<double> x(kMaxStations), area(kMaxStations), moment(kMaxStations);
  const std::vector<SectionCurve> sections = layOutStations(hull);
  for (int st = 1; st <= hull.stationCount; ++st) {
    x(st) = hull.stationX(st);
    area(st) = sectionArea(sections[static_cast<std::size_t>(st - 1)], draft);
    moment(st) = x(st) * area(st);
    result.stationX.push_back(x(st));
    result.area.push_back(area(st));
  }
  result.volume = integrateTabulated(hull.stationCount, x, area);
  const double m = integrateTabulated(hull.stationCount, x, moment);
  result.lcb = result.volume != 0.0 ? m / result.volume : 0.0;
  return result;
}

std::string disagreement(double modelVolume, double modelLcb, const OffsetsVolume& offsets,
                         double length) {
  const double volumeShare = (offsets.volume - modelVolume) / modelVolume;
  const double lcbShift = offsets.lcb - modelLcb;
  if (std::fabs(volumeShare) <= kVolumeLimit && std::fabs(lcbShift) <= kLcbLimit * length) {
    return {};
  }
  return "the written offsets hold " + formatFixed(offsets.volume, 1, 1) + " m3 with LCB " +
         formatFixed(offsets.lcb, 1, 3) + " m, the model " + formatFixed(modelVolume, 1, 1) +
         " m3 with LCB " + formatFixed(modelLcb, 1, 3) + " m (" +
         formatFixed(100.0 * volumeShare, 1, 2) + " % in volume, " + formatFixed(lcbShift, 1, 3) +
         " m in LCB; at most 1 % and " + formatFixed(kLcbLimit * length, 1, 3) +
         " m, 0.5 % of the length, are accepted)";
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
  out << "\n";
  out << "station   x from AP  records   area below T = " << fixed(s.draft, 1, 3) << " m (m2)\n";
  out << "               (m)               model   offsets   diff %\n";
  double largest = 0.0;
  for (const double a : s.modelArea) largest = std::max(largest, std::fabs(a));
  for (std::size_t k = 0; k < s.stationX.size(); ++k) {
    out << padInteger(static_cast<double>(k + 1), 7) << fixed(s.stationX[k], 8, 3)
        << padInteger(s.stationPoints[k], 9) << fixed(s.modelArea[k], 13, 3)
        << fixed(s.offsets.area[k], 6, 3) << "  "
        << (std::fabs(s.modelArea[k]) < 1e-3 * largest ? "     -"
                                                       : percent(s.offsets.area[k], s.modelArea[k]))
        << "\n";
  }
  out << "\n";
  out << "volume below T = " << fixed(s.draft, 1, 3) << " m"
      << (s.draftGiven ? std::string(":")
                       : std::string(" (60 % of the depth amidships; give --draft for yours):"))
      << "\n";
  out << "  model   " << fixed(s.modelVolume, 8, 1) << " m3   LCB " << fixed(s.modelLcb, 4, 3)
      << " m from AP   (the model's own sections, " << s.sections << " cuts along its length)\n";
  out << "  offsets " << fixed(s.offsets.volume, 8, 1) << " m3   LCB " << fixed(s.offsets.lcb, 4, 3)
      << " m from AP   (Norvika's station splines and integration on " << s.hullFile << ")\n";
  out << "  difference " << percent(s.offsets.volume, s.modelVolume) << " % in volume, "
      << fixed(s.offsets.lcb - s.modelLcb, 1, 3) << " m in LCB\n";
}

}  // namespace norvika::offsets
