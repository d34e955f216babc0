#include "stability.h"

#include <pybind11/numpy.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "arrays.h"
#include "bounded_numbers.h"
#include "errors.h"
#include "inputs.h"
#include "language_argument.h"
#include "numbers.h"
#include "run/stability_run.h"
#include "values.h"

namespace norvika::python {

namespace {

struct StabilityValues : Values {};

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

py::object optionalValue(const std::optional<double>& value) {
  return value ? py::object(py::float_(*value)) : py::object(py::none());
}

// A value of the loading condition; None without one.
ValueField<StabilityResults> conditionField(
    const char* name, const char* doc, std::function<py::object(const ConditionCheck&)> value) {
  return {name, doc, [value = std::move(value)](const StabilityResults& r) {
            return r.condition ? value(*r.condition) : py::object(py::none());
          }};
}

// The criteria by name: (required, attained, passes, determined).
py::dict criteriaOf(const ConditionCheck& check) {
  static const char* const kNames[] = {"area_0_30",        "area_0_40",       "area_30_40",
                                       "gz_30_or_more",    "angle_of_max_gz", "gm0",
                                       "wind_steady_heel", "wind_areas"};
  std::vector<const CriterionCheck*> checks;
  for (const CriterionCheck& c : check.criteria) checks.push_back(&c);
  if (check.weather) {
    checks.push_back(&check.weather->steadyHeelCheck);
    checks.push_back(&check.weather->areasCheck);
  }
  py::dict criteria;
  for (const CriterionCheck* c : checks) {
    criteria[kNames[static_cast<int>(c->criterion)]] =
        py::make_tuple(c->required, c->attained, c->passes, c->determined);
  }
  return criteria;
}

py::dict weatherOf(const WeatherCriterion& w) {
  py::dict values;
  values["lw1"] = w.steadyLever;
  values["lw2"] = w.gustLever;
  values["roll_angle"] = w.roll.angle;
  values["roll_period"] = w.roll.rollPeriod;
  values["steady_heel"] = optionalValue(w.steadyHeel);
  values["gust_heel"] = optionalValue(w.gustHeel);
  values["upper_heel"] = w.upperHeel;
  values["area_a"] = w.areaA;
  values["area_b"] = w.areaB;
  return values;
}

const ValueFields<StabilityResults>& fields() {
  static const ValueFields<StabilityResults> list = {
      {"heels", "The heels of the cross curves and the GZ table, degrees.",
       [](const StabilityResults& r) { return py::object(arrayOf(r.heels)); }},
      {"displacements", "The cross curves' displacements, t.",
       [](const StabilityResults& r) {
         std::vector<double> v;
         for (const CrossCurve& c : r.crossCurves) v.push_back(c.condition.displacement);
         return py::object(arrayOf(v));
       }},
      {"kn", "KN (m), a row per displacement and a column per heel; NaN past where a curve ends.",
       [](const StabilityResults& r) {
         py::array_t<double> kn({r.crossCurves.size(), r.heels.size()});
         auto out = kn.mutable_unchecked<2>();
         for (std::size_t d = 0; d < r.crossCurves.size(); ++d) {
           const auto& points = r.crossCurves[d].points;
           for (std::size_t h = 0; h < r.heels.size(); ++h) {
             out(d, h) = h < points.size() ? points[h].kn : kNone;
           }
         }
         return py::object(readOnly(kn));
       }},
      {"deck_edge_angles",
       "Where each displacement's first deck edge reaches the water, degrees; NaN for none.",
       [](const StabilityResults& r) {
         std::vector<double> v;
         for (const CrossCurve& c : r.crossCurves) v.push_back(c.deckEdgeAngle.value_or(kNone));
         return py::object(arrayOf(v));
       }},
      conditionField("gm0", "GM0 = KMt - KG - FSM / displacement, m.",
                     [](const ConditionCheck& c) { return py::float_(c.levers.gm0); }),
      conditionField("kmt", "KMt at the upright waterline, m.",
                     [](const ConditionCheck& c) { return py::float_(c.levers.upright.kmt); }),
      conditionField("gz_heels", "The heels the GZ curve was sampled at, degrees.",
                     [](const ConditionCheck& c) {
                       std::vector<double> v;
                       for (const GzPoint& p : c.levers.samples) v.push_back(p.heel);
                       return py::object(arrayOf(v));
                     }),
      conditionField("gz", "GZ at gz_heels, m, with G raised by the free surface.",
                     [](const ConditionCheck& c) {
                       std::vector<double> v;
                       for (const GzPoint& p : c.levers.samples) v.push_back(p.gz);
                       return py::object(arrayOf(v));
                     }),
      conditionField("max_gz", "The greatest GZ, m.",
                     [](const ConditionCheck& c) { return py::float_(c.levers.maximum.lever); }),
      conditionField("max_gz_heel", "The heel of the greatest GZ, degrees.",
                     [](const ConditionCheck& c) { return py::float_(c.levers.maximum.heel); }),
      conditionField(
          "vanishing_angle",
          "Where GZ returns to zero past its maximum, degrees; None past the curve.",
          [](const ConditionCheck& c) { return optionalValue(c.levers.vanishingAngle); }),
      conditionField("deck_edge_angle", "Where the deck edge reaches the water, degrees, or None.",
                     [](const ConditionCheck& c) { return optionalValue(c.levers.deckEdgeAngle); }),
      conditionField("area_30", "The area under GZ from 0 to 30 degrees, m rad.",
                     [](const ConditionCheck& c) { return optionalValue(c.levers.area30); }),
      conditionField("area_40", "The area under GZ from 0 to 40 degrees, m rad.",
                     [](const ConditionCheck& c) { return optionalValue(c.levers.area40); }),
      conditionField(
          "area_to_flooding", "The area under GZ from 0 to the flooding angle, m rad, or None.",
          [](const ConditionCheck& c) { return optionalValue(c.levers.areaToFlooding); }),
      conditionField(
          "criteria",
          "The criteria of the 2008 Intact Stability Code, part A, by name: (required, "
          "attained, passes, determined); areas in m rad, levers in m, angles in degrees.",
          [](const ConditionCheck& c) { return py::object(criteriaOf(c)); }),
      conditionField("weather",
                     "The severe wind and rolling criterion's working (lw1, lw2 in m; angles in "
                     "degrees; roll_period in s; area_a, area_b in m rad), or None.",
                     [](const ConditionCheck& c) {
                       return c.weather ? py::object(weatherOf(*c.weather))
                                        : py::object(py::none());
                     }),
  };
  return list;
}

// Keywords that belong to a loading condition, or to its wind.
void refuseUnattached(const py::dict& given, const char* owner) {
  for (const auto& [name, value] : given) {
    if (!value.is_none() && !(py::isinstance<py::bool_>(value) && !value.cast<bool>())) {
      raiseInputError(name.cast<std::string>() + ": belongs to " + owner);
    }
  }
}

py::object stability(const Hull& hull, const NumberArgument& shipLength,
                     const NumberArgument& density, const py::object& displacements,
                     const py::object& drafts, const py::object& heels, bool finerHeels,
                     const py::object& lcg, bool fixedTrim, const py::object& kg,
                     const py::object& displacement, const py::object& draft, const py::object& fsm,
                     const py::object& floodingAngle, const py::object& windArea,
                     const py::object& windLever, const py::object& bilgeKeelArea, bool sharpBilges,
                     const py::object& language) {
  // The refusals of the calculation in the language asked for; the keywords' own are English.
  const LanguageScope texts(languageOf(language));
  const double length = checkedNumber(kShipLengthValue, shipLength, "ship_length");
  StabilitySettings settings;
  settings.density = boundedNumber(kWaterDensityBounds, density, "density");
  if (!displacements.is_none() && !drafts.is_none())
    raiseInputError("displacements and drafts cannot be given together");
  if (!displacements.is_none()) {
    settings.crossCurves.values = risingNumbersOf(
        displacements,
        {"displacements", &kDisplacementBounds, kMaxCrossCurveDisplacements, "displacement", "t"});
  } else if (!drafts.is_none()) {
    settings.crossCurves = {risingNumbersOf(drafts, {"drafts", &kDraftBounds,
                                                     kMaxCrossCurveDisplacements, "draft", "m"}),
                            true};
  }
  if (!heels.is_none()) {
    if (finerHeels) raiseInputError("heels and finer_heels cannot be given together");
    settings.heels =
        risingNumbersOf(heels, {"heels", &kHeelBounds, kMaxCrossCurveHeels, "heel", "degrees"});
  }
  settings.finerHeels = finerHeels;
  settings.trimMode = fixedTrim ? TrimMode::Fixed : TrimMode::Free;
  if (!lcg.is_none()) settings.lcg = boundedNumber(kPositionBounds, {lcg}, "lcg");

  if (!displacement.is_none() && !draft.is_none())
    raiseInputError("displacement and draft cannot be given together");
  const bool at = !displacement.is_none() || !draft.is_none();
  if (kg.is_none()) {
    if (at)
      raiseInputError(std::string(draft.is_none() ? "displacement" : "draft") +
                      ": give the loading condition's kg");
    refuseUnattached(
        py::dict(py::arg("fsm") = fsm, py::arg("flooding_angle") = floodingAngle,
                 py::arg("wind_area") = windArea, py::arg("wind_lever") = windLever,
                 py::arg("bilge_keel_area") = bilgeKeelArea, py::arg("sharp_bilges") = sharpBilges),
        "a loading condition: give kg");
    if (settings.crossCurves.values.empty())
      raiseInputError(
          "give the cross curves' displacements or drafts, or a loading condition "
          "(kg with displacement or draft)");
  } else {
    if (!at) raiseInputError("kg: give the loading condition's displacement or draft");
    ConditionSettings& condition = settings.condition.emplace();
    condition.kg = boundedNumber(kKgBounds, {kg}, "kg");
    condition.displacement =
        draft.is_none() ? DisplacementsGiven{{boundedNumber(kDisplacementBounds, {displacement},
                                                            "displacement")},
                                             false}
                        : DisplacementsGiven{{boundedNumber(kDraftBounds, {draft}, "draft")}, true};
    if (!fsm.is_none())
      condition.freeSurfaceMoment = boundedNumber(kFreeSurfaceMomentBounds, {fsm}, "fsm");
    if (!floodingAngle.is_none())
      condition.floodingAngle =
          boundedNumber(kFloodingAngleBounds, {floodingAngle}, "flooding_angle");
    if (windArea.is_none() != windLever.is_none())
      raiseInputError(windArea.is_none() ? "wind_lever: give the windage wind_area too"
                                         : "wind_area: give the wind's wind_lever too");
    if (windArea.is_none()) {
      refuseUnattached(py::dict(py::arg("bilge_keel_area") = bilgeKeelArea,
                                py::arg("sharp_bilges") = sharpBilges),
                       "the wind criterion: give wind_area and wind_lever");
    } else {
      WeatherInput& wind = condition.wind.emplace();
      wind.windArea = boundedNumber(kWindAreaBounds, {windArea}, "wind_area");
      wind.windLever = boundedNumber(kWindLeverBounds, {windLever}, "wind_lever");
      if (!bilgeKeelArea.is_none())
        wind.bilgeKeelArea =
            boundedNumber(kBilgeKeelAreaBounds, {bilgeKeelArea}, "bilge_keel_area");
      wind.sharpBilges = sharpBilges;
    }
  }
  HullModel model = *hull.model;
  computeHullExtents(model);
  // The refusal is raised once the lock is back.
  const StabilityResults results = readingInput([&] {
    const py::gil_scoped_release release;
    return computeStability(model, prepareStabilityHull(model, length, *settings.density),
                            settings);
  });
  return valuesOf<StabilityValues>(fields(), results);
}

}  // namespace

void defineStability(py::module_& module) {
  defineValues<StabilityValues>(
      module, "Stability",
      "The cross curves and, with a loading condition, its GZ curve and the criteria of the "
      "2008 Intact Stability Code, as norvika-stability computes them. Its arrays are "
      "read-only; the values compare (==), copy and pickle by value; a value of the loading "
      "condition is None without one.",
      fields());
  module.def("stability", &stability, py::arg("hull"), py::kw_only(), py::arg("ship_length"),
             py::arg("density"), py::arg("displacements") = py::none(),
             py::arg("drafts") = py::none(), py::arg("heels") = py::none(),
             py::arg("finer_heels") = false, py::arg("lcg") = py::none(),
             py::arg("fixed_trim") = false, py::arg("kg") = py::none(),
             py::arg("displacement") = py::none(), py::arg("draft") = py::none(),
             py::arg("fsm") = py::none(), py::arg("flooding_angle") = py::none(),
             py::arg("wind_area") = py::none(), py::arg("wind_lever") = py::none(),
             py::arg("bilge_keel_area") = py::none(), py::arg("sharp_bilges") = false,
             py::arg("language") = "tr",
             R"(The cross curves (KN) of the hull and, with kg, a loading condition's GZ
curve and the intact stability criteria, as norvika-stability computes them.

displacements (t) or drafts (m at L/2, upright on an even keel): the cross curves', rising,
at most 100; None: the condition's alone. heels: 0 to 180 degrees, rising, at most 361;
None: 0 to 80 by 5 (finer_heels: by 2.5 from 10 to 30). lcg: m from AP, the ship trims
until its LCB stands there (None: each displacement's even-keel LCB); fixed_trim holds the
upright trim instead. kg (m above the base line) with displacement (t) or draft (m): the
loading condition; fsm (t m) raises G by fsm / displacement; flooding_angle (degrees) ends
the areas; wind_area (m2) with wind_lever (m), bilge_keel_area (m2) and sharp_bilges: the
severe wind and rolling criterion. The bounds and their words are those of
norvika-stability's options. language: "tr" (the default, the legacy Turkish texts) or
"en", as `norvika-stability --language`: the words of the calculation's refusals.

Raises InputError when a displacement cannot float, KG stands above the deck or the
condition capsizes before the first heel past upright (the program's message).)");
}

}  // namespace norvika::python
