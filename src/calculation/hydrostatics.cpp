#include "calculation/hydrostatics.h"

#include <cmath>
#include <limits>

#include "calculation/displacement_balance.h"
#include "calculation/section_integrals.h"
#include "calculation/waterline_length.h"
#include "calculation/waterline_profiles.h"

namespace norvika {

namespace {

// What the stations' outlines give at one waterline, integrated along the ship
// as they are sampled.
struct AlongShip {
  double volume = 0.0;         // m3
  double momentZ = 0.0;        // about the base line, m4
  double waterplane = 0.0;     // m2
  double waterplaneX = 0.0;    // moment about AP, m3
  double waterplaneXX = 0.0;   // inertia about AP, m4
  double ownInertiaT = 0.0;    // the strips' own transverse inertia, m4
  double wettedSurface = 0.0;  // m2
};

struct WaterlineReach {
  double largestHalfBreadth = 0.0;
};

// What one draft's waterline gives, gathered station by station.
struct DraftTotals {
  explicit DraftTotals(int stations) : area(stations), areaMomentX(stations) {}
  // The run's section areas, for the volume and LCB by the run's own
  // integration along the ship.
  Table<double> area;         // m2
  Table<double> areaMomentX;  // about AP, m3
  AlongShip sums;
  WaterlineReach reach;
};

// The waterline of each draft, the line case 6 draws for its Tf and Ta.
std::vector<StraightWaterline> waterlinesOf(const HydrostaticsInput& input) {
  std::vector<StraightWaterline> lines;
  lines.reserve(input.drafts.size());
  for (const double draft : input.drafts) {
    lines.push_back(
        straightWaterline(draft - input.trim / 2.0, draft + input.trim / 2.0, input.shipLength));
  }
  return lines;
}

// The first draft whose waterline stands above a station's deck edge, at the
// aftmost such station; `usable` the number of drafts before it.
HydrostaticsOutcome firstDeckUnderWater(const HullModel& hull, const HydrostaticsInput& input,
                                        const std::vector<StraightWaterline>& lines,
                                        std::size_t& usable) {
  for (usable = 0; usable < lines.size(); ++usable) {
    for (int st = 1; st <= hull.stationCount; ++st) {
      const double zw = lines[usable].heightAt(hull.stationX(st));
      const double deck = hull.pointZ(st, hull.pointCount(st));
      if (zw > deck) return {HydrostaticsStop::DeckImmersed, input.drafts[usable], st, zw, deck};
    }
  }
  return {};
}

// Adds station st, whose integration weight along the ship is w, at the
// waterline height zw.
void addStation(const HullModel& hull, int st, const StationSection& section, double w, double zw,
                DraftTotals& totals) {
  const double x = hull.stationX(st);
  totals.area(st) = sectionArea(section.curve, zw);
  totals.areaMomentX(st) = x * totals.area(st);
  const SectionBelow below = sectionBelow(section, zw);
  const double y = below.halfBreadth;
  const double breadth = 2.0 * y;
  AlongShip& sums = totals.sums;
  sums.volume += w * below.area;
  sums.momentZ += w * below.moment;
  sums.waterplane += w * breadth;
  sums.waterplaneX += w * (x * breadth);
  sums.waterplaneXX += w * (x * x * breadth);
  sums.ownInertiaT += w * (2.0 * y * y * y / 3.0);
  sums.wettedSurface += w * below.girth;
  WaterlineReach& reach = totals.reach;
  if (y > reach.largestHalfBreadth) reach.largestHalfBreadth = y;
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

HydrostaticsOutcome finishRow(const HullModel& hull, const HydrostaticsInput& input, double draft,
                              const DraftTotals& totals, HydrostaticRow& row) {
  const double L = input.shipLength;
  const double rho = input.density;
  const AlongShip& sums = totals.sums;
  row = HydrostaticRow{};
  row.draft = draft;
  row.aftDraft = draft - input.trim / 2.0;
  row.forwardDraft = draft + input.trim / 2.0;
  row.volume = integrateTabulated(hull.stationCount, hull.stationX, totals.area);
  row.displacement = row.volume * rho;
  if (!(row.volume > 0.0) || !(sums.volume > 0.0)) return {HydrostaticsStop::NoVolume, draft};
  row.waterplaneArea = sums.waterplane;
  if (!(row.waterplaneArea > 0.0)) return {HydrostaticsStop::NoWaterplane, draft};

  // Divided by displacement / density, as the run divides, so that the LCB is
  // the run's to the last bit.
  row.lcb = integrateTabulated(hull.stationCount, hull.stationX, totals.areaMomentX) /
            (row.displacement / rho);
  // The centre of the outlines' own volume: the run's areas differ from the
  // outlines' where the run's rule misreads a section (a step), and a moment
  // over another body's volume need not lie below the waterline.
  row.kb = sums.momentZ / sums.volume;
  row.lcf = sums.waterplaneX / row.waterplaneArea;
  const double inertiaL = sums.waterplaneXX - row.waterplaneArea * row.lcf * row.lcf;
  row.tpc = rho * row.waterplaneArea / 100.0;
  row.bmt = sums.ownInertiaT / row.volume;
  row.bml = inertiaL / row.volume;
  row.kmt = row.kb + row.bmt;
  row.kml = row.kb + row.bml;
  row.mct = row.displacement * row.bml / (100.0 * L);
  if (input.kg) {
    row.gmt = row.kmt - *input.kg;
    row.gml = row.kml - *input.kg;
    row.mct = row.displacement * row.gml / (100.0 * L);
  }

  row.waterlineBreadth = 2.0 * totals.reach.largestHalfBreadth;
  row.waterlineLength = waterlineEnds(hull, L, row.aftDraft, row.forwardDraft).length();
  row.midshipArea = midshipSectionArea(hull, totals.area, L);
  const double B = row.waterlineBreadth;
  row.blockCoefficient = row.volume / (L * B * draft);
  row.midshipCoefficient = row.midshipArea / (B * draft);
  row.prismaticCoefficient = row.midshipArea > 0.0 ? row.volume / (row.midshipArea * L) : 0.0;
  row.waterplaneCoefficient = row.waterplaneArea / (L * B);
  row.wettedSurface = sums.wettedSurface;
  for (int st = 1; st <= hull.stationCount; ++st) {
    if (totals.area(st) > row.largestSectionArea) {
      row.largestSectionArea = totals.area(st);
      row.largestSectionX = hull.stationX(st);
    }
  }
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
  result = Hydrostatics{input.shipLength, input.density, input.trim, input.kg, {}};
  const std::vector<StraightWaterline> lines = waterlinesOf(input);
  std::size_t usable = 0;
  const HydrostaticsOutcome deck = firstDeckUnderWater(hull, input, lines, usable);

  // Station by station, each at every draft: one section in hand at a time.
  Table<double> weight(hull.stationCount);
  tabulatedWeights(hull.stationCount, hull.stationX, weight);
  std::vector<DraftTotals> totals(usable, DraftTotals(hull.stationCount));
  StationSection section;
  for (int st = 1; st <= hull.stationCount; ++st) {
    prepareStationSection(hull, st, section);
    const double x = hull.stationX(st);
    for (std::size_t d = 0; d < usable; ++d) {
      addStation(hull, st, section, weight(st), lines[d].heightAt(x), totals[d]);
    }
  }

  result.rows.reserve(usable);
  for (std::size_t d = 0; d < usable; ++d) {
    HydrostaticRow row;
    if (const HydrostaticsOutcome outcome = finishRow(hull, input, input.drafts[d], totals[d], row);
        outcome.stop != HydrostaticsStop::None) {
      return outcome;
    }
    result.rows.push_back(row);
  }
  return deck;
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
