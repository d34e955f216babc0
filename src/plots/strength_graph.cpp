#include "plots/strength_graph.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "model/calculation_case.h"
#include "platform/colour.h"
#include "platform/pause.h"
#include "plots/strength_panel.h"
#include "plots/text_extent.h"
#include "text/text_format.h"

namespace norvika {

namespace {

constexpr double kTitlePoints = 10.0;
constexpr double kTextPoints = 8.0;
constexpr double kValuePoints = 7.0;
constexpr double kSampleWidth = 0.045;  // of a legend's line sample, share of the width

const LineStyle kWeightStyle{qbColor(4), 1, {}};
const LineStyle kBuoyancyStyle{qbColor(1), 1, {}};
const LineStyle kLoadStyle{qbColor(8), 1, {}};
const LineStyle kCaseStyle{rgbColour(214, 39, 40), 2, {}};
const LineStyle kStillStyle{rgbColour(44, 160, 44), 1, {6.0, 4.0}};
const LineStyle kWaveStyle{rgbColour(148, 103, 189), 1, {}};
const LineStyle kRuleStyle{qbColor(0), 1, {9.0, 3.0, 2.0, 3.0}};
const LineStyle kSweepStyle{rgbColour(255, 127, 14), 2, {2.0, 2.5}};
// Under the envelope where it exceeds the rule: a wide light band.
const LineStyle kExcessStyle{rgbColour(255, 152, 150), 7, {}};

struct LegendEntry {
  const LineStyle* style;  // none: a text of its own
  std::string text;
};

// Values a force or moment panel shows: in kN and kN m where the rule is
// drawn beside them, else in t and t m.
struct Units {
  double factor;
  const char* force;
  const char* moment;
  int forceDecimals;
};

std::vector<double> scaled(const std::vector<double>& values, double factor) {
  std::vector<double> out;
  out.reserve(values.size());
  for (const double v : values) out.push_back(v * factor);
  return out;
}

std::string signedText(double value, int decimals) {
  const std::string text = formatPlain(value, decimals);
  return value > 0.0 ? "+" + text : text;
}

// The largest and the smallest value of a curve, marked when beyond the
// report's noise (as the report lists them).
void addMarks(StrengthPanel& panel, const Extreme& largest, const Extreme& smallest, double noise,
              double factor, const char* unit, int decimals) {
  for (const Extreme* e : {&largest, &smallest}) {
    if (!(std::fabs(e->value) > noise)) continue;
    const Extreme shown{e->value * factor, e->x};
    panel.marks.push_back({shown, signedText(shown.value, decimals) + " " + unit +
                                      " (x = " + formatPlain(e->x, 2) + " m)"});
  }
}

std::string ratioNote(const Extreme& ratio) {
  if (!(ratio.value > 0.0)) return "";
  return "EN BUYUK ORAN DALGA / KURAL " + formatPlain(ratio.value, 3) +
         " (x = " + formatPlain(ratio.x, 2) + " m)";
}

std::string crestOf(const CrestSweep& sweep, int position) {
  return formatPlain(sweep.positions[static_cast<std::size_t>(position)].crest, 2);
}

// The sweep's largest ratio of the two sides of an envelope with its place
// and crest position, as a legend's text: too long for a panel's header row.
std::optional<LegendEntry> sweepRatioEntry(const char* quantity, const CrestSweep& sweep,
                                           const SweepWorst& positive, const SweepWorst& negative) {
  const EnvelopeRatios& r =
      positive.ratios.largest >= negative.ratios.largest ? positive.ratios : negative.ratios;
  if (r.position < 0) return std::nullopt;
  return LegendEntry{nullptr, std::string(quantity) + ": TARAMADA EN BUYUK ORAN " +
                                  formatPlain(r.largest, 3) + " (x = " + formatPlain(r.x, 2) +
                                  " m, TEPE " + crestOf(sweep, r.position) + " m)"};
}

// A worst value of the sweep marked on its envelope with its crest position.
void addSweepMark(StrengthPanel& panel, const CrestSweep& sweep, const SweepWorst& worst,
                  double factor, const char* unit, int decimals) {
  if (worst.position < 0 || worst.rule.computed == 0.0) return;
  const Extreme shown{worst.extreme.value * factor, worst.extreme.x};
  panel.marks.push_back({shown, signedText(shown.value, decimals) + " " + unit +
                                    " (x = " + formatPlain(shown.x, 2) +
                                    " m, TEPE = " + crestOf(sweep, worst.position) + " m)"});
}

// The stretches where a side of an envelope exceeds the rule, as bands under it.
bool addExcesses(StrengthPanel& panel, const std::vector<double>& x,
                 const std::vector<double>& values, const EnvelopeRatios& ratios, double factor) {
  for (const RuleExcess& e : ratios.excesses) {
    const auto first = static_cast<std::size_t>(std::find(x.begin(), x.end(), e.from) - x.begin());
    const auto last = static_cast<std::size_t>(std::find(x.begin(), x.end(), e.to) - x.begin());
    PanelCurve band{&kExcessStyle, {}, first};
    // A single row is drawn as a short stroke of its own.
    for (std::size_t k = first; k <= last; ++k) band.values.push_back(values[k] * factor);
    if (band.values.size() == 1) band.values.push_back(band.values.front());
    panel.curves.push_back(band);
  }
  return !ratios.excesses.empty();
}

// The rule's values along the ship at the rows, in kN or kN m.
void addRuleCurves(StrengthPanel& shear, StrengthPanel& moment, const Strength& result) {
  PanelCurve positive{&kRuleStyle, {}}, negative{&kRuleStyle, {}};
  PanelCurve hogging{&kRuleStyle, {}}, sagging{&kRuleStyle, {}};
  for (const double x : result.curves.x) {
    const RuleWaveLoadsAt at = ruleWaveLoadsAt(result.rule, x);
    positive.values.push_back(at.positiveShear);
    negative.values.push_back(at.negativeShear);
    hogging.values.push_back(at.hogging);
    sagging.values.push_back(at.sagging);
  }
  shear.curves.push_back(positive);
  shear.curves.push_back(negative);
  moment.curves.push_back(hogging);
  moment.curves.push_back(sagging);
}

// Round places along the ship (m from AP) about `wanted` steps apart,
// within its ends.
std::vector<double> roundPlaces(const ShipAxis& ship, int wanted, int& decimals) {
  const RoundAxis axis = roundAxis(ship.aft, ship.forward, wanted);
  decimals = axis.decimals;
  std::vector<double> places;
  for (int k = 0; k <= axis.steps(); ++k) {
    const double value = axis.low + k * axis.step;
    const double slack = 1e-9 * axis.step;
    if (value >= ship.aft - slack && value <= ship.forward + slack) places.push_back(value);
  }
  return places;
}

// The places along the ship in metres under the stations, as many round
// values as stand clear of each other; AP and FP named where they stand, in
// place of a value they would cover.
void drawShipAxis(Window& window, const ShipAxis& ship, double y, double shipLength,
                  LabelSpace& space) {
  const Colour black = qbColor(0);
  const double height = textHeightShare(kValuePoints);
  const auto boxOf = [&](double x, const std::string& text) {
    const double w = textWidthShare(text, kValuePoints);
    return TextBox{ship.at(x) - w / 2.0, y, ship.at(x) + w / 2.0, y - height};
  };
  placeText(window, space, 0.01, y, "x (m)", kValuePoints, black);
  for (const auto& [x, name] : {std::pair{0.0, "AP"}, std::pair{shipLength, "FP"}}) {
    if (x >= ship.aft && x <= ship.forward) {
      placeText(window, space, boxOf(x, name).left, y, name, kValuePoints, black);
    }
  }
  for (int wanted = 10;; --wanted) {
    int decimals = 0;
    const std::vector<double> places = roundPlaces(ship, wanted, decimals);
    bool apart = true;
    for (std::size_t k = 1; k < places.size() && apart; ++k) {
      apart = boxOf(places[k], formatPlain(places[k], decimals)).left >=
              boxOf(places[k - 1], formatPlain(places[k - 1], decimals)).right + 0.012;
    }
    if (!apart && wanted > 1) continue;
    for (const double x : places) {
      const std::string text = formatPlain(x, decimals);
      const TextBox box = boxOf(x, text);
      if (space.clearOfTexts(box)) placeText(window, space, box.left, y, text, kValuePoints, black);
    }
    return;
  }
}

// Station ticks under the lowest panel and their numbers, every 1, 2, 5,
// 10 ... stations so that they stand clear of each other, and the last.
void drawStations(Window& window, const HullModel& hull, const ShipAxis& ship, double bottom,
                  double y, LabelSpace& space) {
  const Colour black = qbColor(0);
  const int n = hull.stationCount;
  for (int st = 1; st <= n; ++st) {
    const double u = ship.at(hull.stationX(st));
    window.line(u, bottom, u, bottom - 0.012, black);
  }
  placeText(window, space, 0.01, y, "POSTA", kValuePoints, black);
  const double height = textHeightShare(kValuePoints);
  const auto boxOf = [&](int st) {
    const std::string text = std::to_string(st);
    const double w = textWidthShare(text, kValuePoints);
    const double u = ship.at(hull.stationX(st));
    return TextBox{u - w / 2.0, y, u + w / 2.0, y - height};
  };
  for (const int every : {1, 2, 5, 10, 20, 50, 100}) {
    std::vector<int> shown;
    for (int st = 1; st <= n; st += every) shown.push_back(st);
    bool fits = true;
    for (std::size_t k = 1; k < shown.size() && fits; ++k) {
      fits = boxOf(shown[k]).left >= boxOf(shown[k - 1]).right + 0.006;
    }
    if (!fits) continue;
    if (shown.back() != n && boxOf(n).left >= boxOf(shown.back()).right + 0.006) shown.push_back(n);
    for (const int st : shown) {
      const TextBox box = boxOf(st);
      placeText(window, space, box.left, y, std::to_string(st), kValuePoints, black);
    }
    return;
  }
}

// The legend in rows across the top, each entry a sample of its line and its name.
double drawLegend(Window& window, const std::vector<LegendEntry>& entries, double left,
                  double right, double top, LabelSpace& space) {
  const double height = textHeightShare(kTextPoints);
  double x = left;
  double y = top;
  for (const LegendEntry& e : entries) {
    // A text without a line (style none) takes no sample's room.
    const double sample = e.style != nullptr ? kSampleWidth + 0.008 : 0.0;
    const double width = sample + textWidthShare(e.text, kTextPoints);
    if (x > left && x + width > right) {
      x = left;
      y -= height;
    }
    const double mid = y - height / 2.0;
    if (e.style != nullptr) {
      drawStyledPolyline(window, {{x, mid}, {x + kSampleWidth, mid}}, *e.style, 1.0, 1.0);
    }
    placeText(window, space, x + sample, y, e.text, kTextPoints, qbColor(0));
    x += width + 0.025;
  }
  return y - height;
}

}  // namespace

void drawStrengthGraph(Platform& platform, const Strength& result, const HullModel& hull,
                       double shipLength, double weight, const CrestSweep* sweep) {
  const LoadCurves& c = result.curves;
  if (c.x.size() < 2) return;
  const bool ruleDrawn = result.hasStillWater && result.rule.applies;
  const Units units = ruleDrawn ? Units{kGravity, "kN", "kN.m", 0} : Units{1.0, "t", "t.m", 1};
  const std::string condition = caseProperties(result.condition.profileCase).strengthCondition;

  StrengthPanel load{"AGIRLIK w, SEPHIYE b, YUK q = w - b (t/m)", "", {}, {}, {}, 0.0, 0.0};
  load.curves = {{&kWeightStyle, c.weight}, {&kBuoyancyStyle, c.buoyancy}, {&kLoadStyle, c.load}};
  StrengthPanel shear{
      "KESME KUVVETI SF (" + std::string(units.force) + ")", "", {}, {}, {}, 0.0, 0.0};
  StrengthPanel moment{"EGILME MOMENTI BM (" + std::string(units.moment) + "), + KAMBURLASMA",
                       "",
                       {},
                       {},
                       {},
                       0.0,
                       0.0};
  shear.curves.push_back({&kCaseStyle, scaled(c.shear, units.factor)});
  moment.curves.push_back({&kCaseStyle, scaled(c.moment, units.factor)});
  std::vector<LegendEntry> legend = {{&kWeightStyle, "AGIRLIK w"},
                                     {&kBuoyancyStyle, "SEPHIYE b"},
                                     {&kLoadStyle, "YUK q"},
                                     {&kCaseStyle, condition}};
  if (result.hasStillWater) {
    shear.curves.push_back({&kStillStyle, scaled(result.stillCurves.shear, units.factor)});
    moment.curves.push_back({&kStillStyle, scaled(result.stillCurves.moment, units.factor)});
    shear.curves.push_back({&kWaveStyle, scaled(result.waveShear, units.factor)});
    moment.curves.push_back({&kWaveStyle, scaled(result.waveMoment, units.factor)});
    legend.push_back({&kStillStyle, "SAKIN SU"});
    legend.push_back({&kWaveStyle, "DALGA ETKISI"});
  }
  if (ruleDrawn) {
    addRuleCurves(shear, moment, result);
    // With a sweep the sweep's ratios stand in the legend: the case's own would read as its.
    if (sweep == nullptr) {
      shear.note = ratioNote(result.ruleComparison.largestShearRatio);
      moment.note = ratioNote(result.ruleComparison.largestMomentRatio);
    }
    legend.push_back({&kRuleStyle, "KURAL (IACS UR S11)"});
  }
  if (sweep != nullptr) {
    for (const auto& [panel, envelope] :
         {std::pair{&shear, &sweep->shear}, std::pair{&moment, &sweep->moment}}) {
      panel->curves.push_back({&kSweepStyle, scaled(envelope->largest, units.factor)});
      panel->curves.push_back({&kSweepStyle, scaled(envelope->smallest, units.factor)});
    }
    legend.push_back(
        {&kSweepStyle, "TARAMA ZARFI (" + std::to_string(sweep->positions.size()) + " TEPE YERI)"});
    // The sweep's worst values and ratios stand for the case's own: a class
    // engineer reads the worst of every crest position, not that of one.
    addSweepMark(shear, *sweep, sweep->positiveShear, units.factor, units.force,
                 units.forceDecimals);
    addSweepMark(shear, *sweep, sweep->negativeShear, units.factor, units.force,
                 units.forceDecimals);
    addSweepMark(moment, *sweep, sweep->hogging, units.factor, units.moment, 0);
    addSweepMark(moment, *sweep, sweep->sagging, units.factor, units.moment, 0);
    if (ruleDrawn) {
      bool exceeded = false;
      for (const auto& [panel, envelope, side] :
           {std::tuple{&shear, &sweep->shear.largest, &sweep->positiveShear},
            std::tuple{&shear, &sweep->shear.smallest, &sweep->negativeShear},
            std::tuple{&moment, &sweep->moment.largest, &sweep->hogging},
            std::tuple{&moment, &sweep->moment.smallest, &sweep->sagging}}) {
        exceeded = addExcesses(*panel, c.x, *envelope, side->ratios, units.factor) || exceeded;
      }
      if (exceeded) legend.push_back({&kExcessStyle, "KURAL ASILIYOR (ORAN > 1)"});
      for (const auto& entry :
           {sweepRatioEntry("SF", *sweep, sweep->positiveShear, sweep->negativeShear),
            sweepRatioEntry("BM", *sweep, sweep->hogging, sweep->sagging)}) {
        if (entry) legend.push_back(*entry);
      }
    }
  } else {
    addMarks(shear, c.positiveShear, c.negativeShear, 1e-6 * weight, units.factor, units.force,
             units.forceDecimals);
    addMarks(moment, c.hogging, c.sagging, 1e-6 * weight * shipLength, units.factor, units.moment,
             0);
  }

  std::vector<StrengthPanel*> panels = {&load, &shear, &moment};
  double margin = textWidthShare("POSTA", kValuePoints) + 0.02;
  for (StrengthPanel* panel : panels) {
    panel->axis = panelAxis(*panel);
    margin = std::max(margin, widestAxisValue(*panel) + 0.008 + 0.004 + 0.01);
  }
  ShipAxis ship{c.aftEnd, c.forwardEnd, margin, 0.975};
  if (!(ship.forward > ship.aft)) ship.forward = ship.aft + 1.0;

  Window& window = platform.window(WindowId::Graph);
  window.show();
  window.cls();
  window.fontName("Arial");
  window.drawWidth(1);
  window.scale(0.0, 1.0, 1.0, 0.0);
  LabelSpace space;

  std::string title = "BOYUNA MUKAVEMET - " + condition;
  if (sweep != nullptr) title += ", DALGA TEPESI TARAMASI";
  placeText(window, space, 0.01, 0.995, title, kTitlePoints, qbColor(1));
  const double legendBottom =
      drawLegend(window, legend, 0.01, 0.99, 0.995 - textHeightShare(kTitlePoints), space);

  // The panels share what is left between the legend and the two rows of
  // the ship's axis: the load a smaller part, SF and BM alike.
  const double header = textHeightShare(kTextPoints) + 0.006;
  const double rows = 2.0 * textHeightShare(kValuePoints) + 0.02;
  const double room = legendBottom - rows - 3.0 * header - 2.0 * 0.012;
  const double shares[] = {0.26, 0.37, 0.37};
  double top = legendBottom - header;
  for (std::size_t k = 0; k < panels.size(); ++k) {
    panels[k]->top = top;
    panels[k]->bottom = top - shares[k] * room;
    top = panels[k]->bottom - 0.012 - header;
  }

  // AP and FP through every panel.
  for (const double x : {0.0, shipLength}) {
    if (x < ship.aft || x > ship.forward) continue;
    drawStyledPolyline(window, {{ship.at(x), moment.bottom}, {ship.at(x), load.top}},
                       LineStyle{qbColor(8), 1, {3.0, 3.0}}, 1.0, 1.0);
  }
  for (StrengthPanel* panel : panels) drawStrengthPanel(window, *panel, c.x, ship, space);
  const double stationRow = moment.bottom - 0.014;
  drawStations(window, hull, ship, moment.bottom, stationRow, space);
  drawShipAxis(window, ship, stationRow - textHeightShare(kValuePoints) - 0.004, shipLength, space);

  pauseForEnter(platform);
  window.cls();
}

}  // namespace norvika
