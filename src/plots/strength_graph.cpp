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
#include "plots/drawing_texts.h"
#include "plots/station_numbers.h"
#include "plots/strength_panel.h"
#include "plots/text_extent.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

constexpr double kTitlePoints = 10.0;
constexpr double kTextPoints = 8.0;
constexpr double kValuePoints = 7.0;
constexpr double kSampleWidth = 0.045;  // of a legend's line sample, share of the width

// The weight in teal, far from the red of the case's SF and BM.
const LineStyle kWeightStyle{rgbColour(0, 150, 150), 1, {}};
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

// The units a force or moment panel starts from: kN and kN m where the rule is drawn beside
// them, else t and t m.
struct Units {
  double factor;
  const char* force;
  const char* moment;
  int forceDecimals;
};

// The unit a panel writes its values in: its base unit while they stay within five digits;
// beyond, kN as MN, and t with the thousands set apart.
struct PanelUnit {
  std::string name;
  double factor = 1.0;  // times a value in the base unit
  int decimals = 0;     // of a marked value
  bool grouped = false;
};

PanelUnit panelUnit(const StrengthPanel& panel, const std::string& base, int decimals) {
  double largest = 0.0;
  for (const PanelCurve& curve : panel.curves) {
    for (const double v : curve.values) largest = std::max(largest, std::fabs(v));
  }
  if (largest < 1e5) return {base, 1.0, decimals, false};
  if (base.rfind("kN", 0) == 0) return {"MN" + base.substr(2), 1e-3, 1, false};
  return {base, 1.0, 0, true};
}

void rescale(StrengthPanel& panel, const PanelUnit& unit) {
  panel.grouped = unit.grouped;
  if (unit.factor == 1.0) return;
  for (PanelCurve& curve : panel.curves) {
    for (double& v : curve.values) v *= unit.factor;
  }
}

std::vector<double> scaled(const std::vector<double>& values, double factor) {
  std::vector<double> out;
  out.reserve(values.size());
  for (const double v : values) out.push_back(v * factor);
  return out;
}

std::string signedText(double value, int decimals, bool grouped) {
  const std::string text =
      grouped ? groupedThousands(formatPlain(value, decimals)) : formatPlain(value, decimals);
  return value > 0.0 ? "+" + text : text;
}

// A value of a curve (in the base unit) marked where it stands.
void addMark(StrengthPanel& panel, const Extreme& e, double factor, const PanelUnit& unit) {
  const Extreme shown{e.value * factor * unit.factor, e.x};
  panel.marks.push_back({shown, signedText(shown.value, unit.decimals, unit.grouped) + " " +
                                    unit.name + " (x = " + formatPlain(e.x, 2) + " m)"});
}

// The largest and the smallest value of a curve, marked when beyond the report's noise (as the
// report lists them).
void addMarks(StrengthPanel& panel, const Extreme& largest, const Extreme& smallest, double noise,
              double factor, const PanelUnit& unit) {
  for (const Extreme* e : {&largest, &smallest}) {
    if (std::fabs(e->value) > noise) addMark(panel, *e, factor, unit);
  }
}

std::string ratioNote(const Extreme& ratio) {
  if (!(ratio.value > 0.0)) return "";
  return text(Text::DrawingRatio, {formatPlain(ratio.value, 3), formatPlain(ratio.x, 2)});
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
  return LegendEntry{
      nullptr, text(Text::DrawingSweepRatio, {quantity, formatPlain(r.largest, 3),
                                              formatPlain(r.x, 2), crestOf(sweep, r.position)})};
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
  namespace t = texts::strength;
  placeText(window, space, 0.01, y, t::kAlong, kValuePoints, black);
  for (const auto& [x, name] : {std::pair{0.0, t::kAft}, std::pair{shipLength, t::kForward}}) {
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

// Station ticks under the lowest panel and their numbers (twentieths of the ship's length, the
// numbering of the waterline check); where numbers crowd, the picture keeps the end
// stations', every fifth, the whole and the half ones first.
void drawStations(Window& window, const HullModel& hull, const ShipAxis& ship, double shipLength,
                  double bottom, double y, LabelSpace& space) {
  const Colour black = qbColor(0);
  const int n = hull.stationCount;
  placeText(window, space, 0.01, y, std::string(text(Text::DrawingStation)), kValuePoints, black);
  window.fontSize(kValuePoints);
  window.foreColor(black);
  for (int st = 1; st <= n; ++st) {
    const double u = ship.at(hull.stationX(st));
    window.line(u, bottom, u, bottom - 0.012, black);
    const double number = stationNumber(hull.stationX(st), shipLength);
    const std::string label = stationLabel(number);
    window.setCurrent(u - textWidthShare(label, kValuePoints) / 2.0, y);
    window.drawText(label, stationLabelRank(st, n, number));
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
  const std::string condition(
      inCurrentLanguage(caseProperties(result.condition.profileCase).strengthCondition));

  namespace t = texts::strength;
  StrengthPanel load;
  load.header = text(Text::DrawingLoadHeader);
  load.curves = {{&kWeightStyle, c.weight}, {&kBuoyancyStyle, c.buoyancy}, {&kLoadStyle, c.load}};
  StrengthPanel shear;
  StrengthPanel moment;
  shear.curves.push_back({&kCaseStyle, scaled(c.shear, units.factor)});
  moment.curves.push_back({&kCaseStyle, scaled(c.moment, units.factor)});
  std::vector<LegendEntry> legend = {
      {&kWeightStyle, std::string(text(Text::StrengthColumnWeight))},
      {&kBuoyancyStyle, std::string(text(Text::StrengthColumnBuoyancy))},
      {&kLoadStyle, std::string(text(Text::StrengthColumnLoad))},
      {&kCaseStyle, condition}};
  if (result.hasStillWater) {
    shear.curves.push_back({&kStillStyle, scaled(result.stillCurves.shear, units.factor)});
    moment.curves.push_back({&kStillStyle, scaled(result.stillCurves.moment, units.factor)});
    shear.curves.push_back({&kWaveStyle, scaled(result.waveShear, units.factor)});
    moment.curves.push_back({&kWaveStyle, scaled(result.waveMoment, units.factor)});
    legend.push_back({&kStillStyle, std::string(text(Text::DrawingStillWater))});
    legend.push_back({&kWaveStyle, std::string(text(Text::DrawingWaveInduced))});
  }
  if (ruleDrawn) {
    addRuleCurves(shear, moment, result);
    // With a sweep the sweep's ratios stand in the legend: the case's own would read as its.
    if (sweep == nullptr) {
      shear.note = ratioNote(result.ruleComparison.largestShearRatio);
      moment.note = ratioNote(result.ruleComparison.largestMomentRatio);
    }
    legend.push_back({&kRuleStyle, std::string(text(Text::DrawingRule))});
  }
  if (sweep != nullptr) {
    for (const auto& [panel, envelope] :
         {std::pair{&shear, &sweep->shear}, std::pair{&moment, &sweep->moment}}) {
      panel->curves.push_back({&kSweepStyle, scaled(envelope->largest, units.factor)});
      panel->curves.push_back({&kSweepStyle, scaled(envelope->smallest, units.factor)});
    }
    legend.push_back({&kSweepStyle,
                      text(Text::DrawingSweepEnvelope, {std::to_string(sweep->positions.size())})});
    if (ruleDrawn) {
      bool exceeded = false;
      for (const auto& [panel, envelope, side] :
           {std::tuple{&shear, &sweep->shear.largest, &sweep->positiveShear},
            std::tuple{&shear, &sweep->shear.smallest, &sweep->negativeShear},
            std::tuple{&moment, &sweep->moment.largest, &sweep->hogging},
            std::tuple{&moment, &sweep->moment.smallest, &sweep->sagging}}) {
        exceeded = addExcesses(*panel, c.x, *envelope, side->ratios, units.factor) || exceeded;
      }
      if (exceeded) legend.push_back({&kExcessStyle, std::string(text(Text::DrawingRuleExceeded))});
      for (const auto& entry :
           {sweepRatioEntry("SF", *sweep, sweep->positiveShear, sweep->negativeShear),
            sweepRatioEntry("BM", *sweep, sweep->hogging, sweep->sagging)}) {
        if (entry) legend.push_back(*entry);
      }
    }
  }
  const PanelUnit force = panelUnit(shear, units.force, units.forceDecimals);
  const PanelUnit torque = panelUnit(moment, units.moment, 0);
  rescale(shear, force);
  rescale(moment, torque);
  shear.header = text(Text::DrawingShearHeader, {force.name});
  moment.header = text(Text::DrawingMomentHeader, {torque.name});
  if (sweep != nullptr) {
    // The sweep's worst values and ratios stand for the case's own: a class
    // engineer reads the worst of every crest position, not that of one.
    for (const auto& [panel, worst, unit] : {std::tuple{&shear, &sweep->positiveShear, &force},
                                             std::tuple{&shear, &sweep->negativeShear, &force},
                                             std::tuple{&moment, &sweep->hogging, &torque},
                                             std::tuple{&moment, &sweep->sagging, &torque}}) {
      // A worst value of the sweep is marked on its envelope; its crest position stands in the
      // sweep's table: beside the mark, the longer label finds no room clear of the envelopes
      // on the least Graph window.
      if (worst->position >= 0 && worst->rule.computed != 0.0) {
        addMark(*panel, worst->extreme, units.factor, *unit);
      }
    }
  } else {
    addMarks(shear, c.positiveShear, c.negativeShear, shearNoise(weight), units.factor, force);
    addMarks(moment, c.hogging, c.sagging, momentNoise(weight, shipLength), units.factor, torque);
  }

  std::vector<StrengthPanel*> panels = {&load, &shear, &moment};
  Window& window = platform.window(WindowId::Graph);
  window.show();
  window.cls();
  window.describe(std::string(text(Text::DrawingStrengthCaption)) + " - " + condition, t::kName);
  window.fontName("Arial");
  window.drawWidth(1);
  window.scale(0.0, 1.0, 1.0, 0.0);
  LabelSpace space;

  std::string title = std::string(text(Text::DrawingStrengthCaption)) + " - " + condition;
  if (sweep != nullptr) title += text(Text::DrawingSweepTitle);
  // A long title (a sweep's) is set smaller rather than past the picture's edge.
  const double titlePoints =
      std::min(kTitlePoints, kTitlePoints * 0.95 / textWidthShare(title, kTitlePoints));
  placeText(window, space, 0.01, 0.995, title, titlePoints, qbColor(1));
  const double legendBottom =
      drawLegend(window, legend, 0.01, 0.99, 0.995 - textHeightShare(titlePoints), space);

  // The panels share what is left between the legend and the two rows of
  // the ship's axis: the load a smaller part, SF and BM alike; the smaller
  // still under a sweep, whose envelopes and marks crowd SF and BM.
  const double header = textHeightShare(kTextPoints) + 0.006;
  const double rows = 2.0 * textHeightShare(kValuePoints) + 0.02;
  const double room = legendBottom - rows - 3.0 * header - 2.0 * 0.012;
  const double loadShare = sweep != nullptr ? 0.16 : 0.26;
  const double shares[] = {loadShare, (1.0 - loadShare) / 2.0, (1.0 - loadShare) / 2.0};
  double top = legendBottom - header;
  for (std::size_t k = 0; k < panels.size(); ++k) {
    panels[k]->top = top;
    panels[k]->bottom = top - shares[k] * room;
    top = panels[k]->bottom - 0.012 - header;
  }
  double margin = textWidthShare(std::string(text(Text::DrawingStation)), kValuePoints) + 0.02;
  for (StrengthPanel* panel : panels) {
    panel->axis = panelAxis(*panel);
    margin = std::max(margin, widestAxisValue(*panel) + 0.008 + 0.004 + 0.01);
  }
  ShipAxis ship{c.aftEnd, c.forwardEnd, margin, 0.975};
  if (!(ship.forward > ship.aft)) ship.forward = ship.aft + 1.0;

  for (StrengthPanel* panel : panels) {
    drawStrengthPanel(window, *panel, c.x, ship, {0.0, shipLength}, space);
  }
  const double stationRow = moment.bottom - 0.014;
  drawStations(window, hull, ship, shipLength, moment.bottom, stationRow, space);
  drawShipAxis(window, ship, stationRow - textHeightShare(kValuePoints) - 0.004, shipLength, space);

  pauseForEnter(platform);
  window.cls();
}

}  // namespace norvika
