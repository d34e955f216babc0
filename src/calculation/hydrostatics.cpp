#include "calculation/hydrostatics.h"

#include <cmath>
#include <limits>
#include <memory>

#include "calculation/displacement_balance.h"
#include "calculation/section_integrals.h"
#include "calculation/waterline_profiles.h"

namespace norvika {

namespace {

// What the stations give at one waterline, each integrated along the ship.
struct StationValues {
  Table<double> area{kMaxStations};         // m2
  Table<double> areaMomentX{kMaxStations};  // about AP, m3
  Table<double> areaMomentZ{kMaxStations};  // about the base line, m3
  Table<double> breadth{kMaxStations};      // of the waterplane, m
  Table<double> breadthMomentX{kMaxStations};
  Table<double> breadthInertiaX{kMaxStations};  // x^2 times the breadth
  Table<double> breadthInertiaY{kMaxStations};  // the strip's own transverse inertia, m3
  Table<double> girth{kMaxStations};            // m
};

double alongShip(const HullModel& hull, const Table<double>& values) {
  return integrateTabulated(hull.stationCount, hull.stationX, values);
}

std::vector<StationSection> prepareSections(const HullModel& hull) {
  std::vector<StationSection> sections;
  sections.reserve(static_cast<std::size_t>(hull.stationCount) + 1);
  sections.emplace_back(0);
  for (int st = 1; st <= hull.stationCount; ++st) {
    sections.emplace_back(hull.pointCount(st));
    prepareStationSection(hull, st, sections.back());
  }
  return sections;
}

// The section area at L/2: the station's own when one stands there, else the
// spline through the stations' areas.
double midshipSectionArea(const HullModel& hull, const Table<double>& area, double shipLength) {
  const double midship = shipLength / 2.0;
  for (int st = 1; st <= hull.stationCount; ++st) {
    if (hull.stationX(st) == midship) return area(st);
  }
  SplineCoefficients coef(kMaxStations);
  for (int st = 1; st <= hull.stationCount; ++st) coef(1, st) = area(st);
  fitCubicSpline(hull.stationCount, hull.stationX, coef, kNotAKnot, kNotAKnot);
  double value = 0.0;
  evaluateSpline(hull.stationCount, midship, value, hull.stationX, coef);
  return value;
}

struct WaterlineReach {
  double largestHalfBreadth = 0.0;
  int firstStation = 0;  // the aftmost station whose keel is below the waterline
  int lastStation = 0;   // the foremost one
};

HydrostaticsOutcome sampleStations(const HullModel& hull,
                                   const std::vector<StationSection>& sections,
                                   const StraightWaterline& line, double draft, StationValues& v,
                                   WaterlineReach& reach) {
  reach = WaterlineReach{};
  for (int st = 1; st <= hull.stationCount; ++st) {
    const StationSection& section = sections[static_cast<std::size_t>(st)];
    const StationSpline& spline = section.spline;
    const double x = hull.stationX(st);
    const double zw = line.heightAt(x);
    const double deck = section.curve.deck();
    if (zw > deck) return {HydrostaticsStop::DeckImmersed, draft, st, zw, deck};
    v.area(st) = sectionArea(section.curve, zw);
    v.areaMomentX(st) = x * v.area(st);
    v.areaMomentZ(st) = sectionMomentAboutBase(hull, st, section, zw);
    const double y = waterlineHalfBreadth(section.curve, zw);
    v.breadth(st) = 2.0 * y;
    v.breadthMomentX(st) = x * v.breadth(st);
    v.breadthInertiaX(st) = x * x * v.breadth(st);
    v.breadthInertiaY(st) = 2.0 * y * y * y / 3.0;
    v.girth(st) = sectionGirth(hull, st, section, zw);
    if (y > reach.largestHalfBreadth) reach.largestHalfBreadth = y;
    if (zw > spline.nodeZ(1)) {
      if (reach.firstStation == 0) reach.firstStation = st;
      reach.lastStation = st;
    }
  }
  return {};
}

HydrostaticsOutcome evaluateDraft(const HullModel& hull,
                                  const std::vector<StationSection>& sections,
                                  const HydrostaticsInput& input, double draft, StationValues& v,
                                  HydrostaticRow& row) {
  const double L = input.shipLength;
  const double rho = input.density;
  row = HydrostaticRow{};
  row.draft = draft;
  row.aftDraft = draft - input.trim / 2.0;
  row.forwardDraft = draft + input.trim / 2.0;
  WaterlineReach reach;
  const StraightWaterline line = straightWaterline(row.aftDraft, row.forwardDraft, L);
  if (const HydrostaticsOutcome deck = sampleStations(hull, sections, line, draft, v, reach);
      deck.stop != HydrostaticsStop::None) {
    return deck;
  }

  row.volume = alongShip(hull, v.area);
  row.displacement = row.volume * rho;
  if (!(row.volume > 0.0)) return {HydrostaticsStop::NoVolume, draft};
  row.waterplaneArea = alongShip(hull, v.breadth);
  if (!(row.waterplaneArea > 0.0)) return {HydrostaticsStop::NoWaterplane, draft};

  // Divided by displacement / density, as the run divides, so that the LCB is
  // the run's to the last bit.
  row.lcb = alongShip(hull, v.areaMomentX) / (row.displacement / rho);
  row.kb = alongShip(hull, v.areaMomentZ) / row.volume;
  row.lcf = alongShip(hull, v.breadthMomentX) / row.waterplaneArea;
  const double inertiaL =
      alongShip(hull, v.breadthInertiaX) - row.waterplaneArea * row.lcf * row.lcf;
  const double inertiaT = alongShip(hull, v.breadthInertiaY);
  row.tpc = rho * row.waterplaneArea / 100.0;
  row.bmt = inertiaT / row.volume;
  row.bml = inertiaL / row.volume;
  row.kmt = row.kb + row.bmt;
  row.kml = row.kb + row.bml;
  row.mct = row.displacement * row.bml / (100.0 * L);

  row.waterlineBreadth = 2.0 * reach.largestHalfBreadth;
  if (reach.firstStation != 0) {
    row.waterlineLength = hull.stationX(reach.lastStation) - hull.stationX(reach.firstStation);
  }
  row.midshipArea = midshipSectionArea(hull, v.area, L);
  const double B = row.waterlineBreadth;
  row.blockCoefficient = row.volume / (L * B * draft);
  row.midshipCoefficient = row.midshipArea / (B * draft);
  row.prismaticCoefficient = row.midshipArea > 0.0 ? row.volume / (row.midshipArea * L) : 0.0;
  row.waterplaneCoefficient = row.waterplaneArea / (L * B);
  row.wettedSurface = alongShip(hull, v.girth);
  return {};
}

// Whether the waterline at `draft` with `trim` stays at or below every deck edge.
bool clearsEveryDeck(const HullModel& hull, double shipLength, double trim, double draft) {
  const StraightWaterline line =
      straightWaterline(draft - trim / 2.0, draft + trim / 2.0, shipLength);
  for (int st = 1; st <= hull.stationCount; ++st) {
    if (line.heightAt(hull.stationX(st)) > hull.topHeight(st)) return false;
  }
  return true;
}

}  // namespace

HydrostaticsOutcome computeHydrostatics(const HullModel& hull, const HydrostaticsInput& input,
                                        Hydrostatics& result) {
  result = Hydrostatics{input.shipLength, input.density, input.trim, {}};
  result.rows.reserve(input.drafts.size());
  const std::vector<StationSection> sections = prepareSections(hull);
  // Heap, not stack: eight station tables.
  const auto values = std::make_unique<StationValues>();
  for (const double draft : input.drafts) {
    HydrostaticRow row;
    if (const HydrostaticsOutcome outcome =
            evaluateDraft(hull, sections, input, draft, *values, row);
        outcome.stop != HydrostaticsStop::None) {
      return outcome;
    }
    result.rows.push_back(row);
  }
  return {};
}

std::vector<double> defaultHydrostaticDrafts(const HullModel& hull, double shipLength,
                                             double trim) {
  const double depth = hull.minTopHeight;
  if (!(depth > 0.0)) return {};
  const double lowest = depth / 10.0;
  const StraightWaterline rise = straightWaterline(-trim / 2.0, trim / 2.0, shipLength);
  double highest = std::numeric_limits<double>::infinity();
  for (int st = 1; st <= hull.stationCount; ++st) {
    highest = std::fmin(highest, hull.topHeight(st) - rise.heightAt(hull.stationX(st)));
  }
  // Rounding may leave the line a hair above a deck at that draft.
  for (int i = 0; i < 64 && !clearsEveryDeck(hull, shipLength, trim, highest); ++i) {
    highest = std::nextafter(highest, -std::numeric_limits<double>::infinity());
  }
  if (!(highest > lowest)) return {};
  std::vector<double> drafts;
  const int intervals = kDefaultHydrostaticDrafts - 1;
  for (int k = 0; k < intervals; ++k) drafts.push_back(lowest + (highest - lowest) * k / intervals);
  drafts.push_back(highest);
  return drafts;
}

}  // namespace norvika
