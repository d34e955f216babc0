#include "calculation/hydrostatics.h"

#include <cmath>
#include <limits>

#include "calculation/displacement_balance.h"
#include "calculation/section_integrals.h"
#include "calculation/waterline_profiles.h"

namespace norvika {

namespace {

// The run's section areas at one waterline, for the volume and LCB by the
// run's own integration along the ship.
struct RunAreas {
  Table<double> area{kMaxStations};         // m2
  Table<double> areaMomentX{kMaxStations};  // about AP, m3
};

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

std::vector<StationSection> prepareSections(const HullModel& hull) {
  std::vector<StationSection> sections;
  sections.resize(static_cast<std::size_t>(hull.stationCount) + 1);
  for (int st = 1; st <= hull.stationCount; ++st) {
    prepareStationSection(hull, st, sections[static_cast<std::size_t>(st)]);
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
                                   const Table<double>& weight, const StraightWaterline& line,
                                   double draft, RunAreas& run, AlongShip& sums,
                                   WaterlineReach& reach) {
  sums = AlongShip{};
  reach = WaterlineReach{};
  for (int st = 1; st <= hull.stationCount; ++st) {
    const StationSection& section = sections[static_cast<std::size_t>(st)];
    const double x = hull.stationX(st);
    const double zw = line.heightAt(x);
    const double deck = section.curve.deck();
    if (zw > deck) return {HydrostaticsStop::DeckImmersed, draft, st, zw, deck};
    run.area(st) = sectionArea(section.curve, zw);
    run.areaMomentX(st) = x * run.area(st);
    const SectionBelow below = sectionBelow(section, zw);
    const double w = weight(st);
    const double y = below.halfBreadth;
    const double breadth = 2.0 * y;
    sums.volume += w * below.area;
    sums.momentZ += w * below.moment;
    sums.waterplane += w * breadth;
    sums.waterplaneX += w * (x * breadth);
    sums.waterplaneXX += w * (x * x * breadth);
    sums.ownInertiaT += w * (2.0 * y * y * y / 3.0);
    sums.wettedSurface += w * below.girth;
    if (y > reach.largestHalfBreadth) reach.largestHalfBreadth = y;
    if (zw > section.curve.keel()) {
      if (reach.firstStation == 0) reach.firstStation = st;
      reach.lastStation = st;
    }
  }
  return {};
}

HydrostaticsOutcome evaluateDraft(const HullModel& hull,
                                  const std::vector<StationSection>& sections,
                                  const Table<double>& weight, const HydrostaticsInput& input,
                                  double draft, RunAreas& run, HydrostaticRow& row) {
  const double L = input.shipLength;
  const double rho = input.density;
  row = HydrostaticRow{};
  row.draft = draft;
  row.aftDraft = draft - input.trim / 2.0;
  row.forwardDraft = draft + input.trim / 2.0;
  AlongShip sums;
  WaterlineReach reach;
  const StraightWaterline line = straightWaterline(row.aftDraft, row.forwardDraft, L);
  if (const HydrostaticsOutcome deck =
          sampleStations(hull, sections, weight, line, draft, run, sums, reach);
      deck.stop != HydrostaticsStop::None) {
    return deck;
  }

  row.volume = integrateTabulated(hull.stationCount, hull.stationX, run.area);
  row.displacement = row.volume * rho;
  if (!(row.volume > 0.0) || !(sums.volume > 0.0)) return {HydrostaticsStop::NoVolume, draft};
  row.waterplaneArea = sums.waterplane;
  if (!(row.waterplaneArea > 0.0)) return {HydrostaticsStop::NoWaterplane, draft};

  // Divided by displacement / density, as the run divides, so that the LCB is
  // the run's to the last bit.
  row.lcb = integrateTabulated(hull.stationCount, hull.stationX, run.areaMomentX) /
            (row.displacement / rho);
  // The centre of the outlines' own volume: the run's areas differ from the
  // outlines' where the run's rule misreads a section (a step), and a moment
  // over another body's volume need not lie below the waterline.
  row.kb = sums.momentZ / sums.volume;
  row.lcf = sums.waterplaneX / row.waterplaneArea;
  const double inertiaL = sums.waterplaneXX - row.waterplaneArea * row.lcf * row.lcf;
  const double inertiaT = sums.ownInertiaT;
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
  row.midshipArea = midshipSectionArea(hull, run.area, L);
  const double B = row.waterlineBreadth;
  row.blockCoefficient = row.volume / (L * B * draft);
  row.midshipCoefficient = row.midshipArea / (B * draft);
  row.prismaticCoefficient = row.midshipArea > 0.0 ? row.volume / (row.midshipArea * L) : 0.0;
  row.waterplaneCoefficient = row.waterplaneArea / (L * B);
  row.wettedSurface = sums.wettedSurface;
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
  Table<double> weight(hull.stationCount);
  tabulatedWeights(hull.stationCount, hull.stationX, weight);
  RunAreas run;
  for (const double draft : input.drafts) {
    HydrostaticRow row;
    if (const HydrostaticsOutcome outcome =
            evaluateDraft(hull, sections, weight, input, draft, run, row);
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
