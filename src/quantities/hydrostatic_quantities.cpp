#include "quantities/hydrostatic_quantities.h"

#include <algorithm>
#include <stdexcept>

namespace norvika {

namespace {

using Part = HydrostaticsPart;
using Reported = HydrostaticsReported;
using Row = HydrostaticRow;

constexpr Words same(std::string_view words) { return {words, words}; }
constexpr Words kNotDrawn{};

/// Fresh water, t/m3.
constexpr double kFreshWaterDensity = 1.0;

// The quantities only reported, from the row's values. The coefficients on the
// waterline's own length are 0 without one.
double lcbFromMidship(const Hydrostatics& t, const Row& r) { return r.lcb - t.shipLength / 2.0; }
double lcfFromMidship(const Hydrostatics& t, const Row& r) { return r.lcf - t.shipLength / 2.0; }
double lcbShare(const Hydrostatics& t, const Row& r) {
  return 100.0 * lcbFromMidship(t, r) / t.shipLength;
}
double lcfShare(const Hydrostatics& t, const Row& r) {
  return 100.0 * lcfFromMidship(t, r) / t.shipLength;
}
double waterlineBlockCoefficient(const Hydrostatics&, const Row& r) {
  const double Lwl = r.waterlineLength;
  return Lwl > 0.0 ? r.volume / (Lwl * r.waterlineBreadth * r.draft) : 0.0;
}
double waterlinePrismaticCoefficient(const Hydrostatics&, const Row& r) {
  const double Lwl = r.waterlineLength;
  return Lwl > 0.0 && r.midshipArea > 0.0 ? r.volume / (r.midshipArea * Lwl) : 0.0;
}
double waterlineWaterplaneCoefficient(const Hydrostatics&, const Row& r) {
  const double Lwl = r.waterlineLength;
  return Lwl > 0.0 ? r.waterplaneArea / (Lwl * r.waterlineBreadth) : 0.0;
}
double freshWaterDisplacement(const Hydrostatics&, const Row& r) {
  return r.volume * kFreshWaterDensity;
}

// In the order of HIDROSTATIK.TXT, whose readers find the metacentric heights
// (with KG only) after the columns they knew before them. A report heading
// keeps below its column's width, in each language, or the columns shift.
constexpr HydrostaticQuantity kQuantities[] = {
    {.value = &Row::draft,
     .report = {same("T"), same("(m)"), 8, 3, Part::Volume, 0, Reported::Always},
     .file = {"T_m", 4},
     .python = {"draft", "T, the draft at L/2, m."},
     .legend = kNotDrawn},
    {.value = &Row::forwardDraft,
     .report = {same("Tf"), same("(m)"), 8, 3, Part::Form, 1, Reported::Always},
     .file = {"Tf_m", 4},
     .python = {"forward_draft", "Tf at FP, m."},
     .legend = kNotDrawn},
    {.value = &Row::aftDraft,
     .report = {same("Ta"), same("(m)"), 8, 3, Part::Form, 2, Reported::Always},
     .file = {"Ta_m", 4},
     .python = {"aft_draft", "Ta at AP, m."},
     .legend = kNotDrawn},
    {.value = &Row::volume,
     .report = {{"HACIM", "VOLUME"}, same("(m3)"), 12, 1, Part::Volume, 1, Reported::Always},
     .file = {"V_m3", 3},
     .python = {"volume", "Displaced volume, m3."},
     .legend = kNotDrawn},
    {.value = &Row::displacement,
     .report =
         {{"DEPLASMAN", "DISPL."}, {"(ton)", "(t)"}, 12, 1, Part::Volume, 2, Reported::Always},
     .file = {"D_t", 3},
     .python = {"displacement", "Displacement, t."},
     .legend = {"DEPLASMAN (ton)", "DISPLACEMENT (t)"}},
    {.value = &Row::lcb,
     .report = {same("LCB"), same("(m AP)"), 9, 3, Part::Volume, 3, Reported::Always},
     .file = {"LCB_m", 4},
     .python = {"lcb", "LCB, m from AP."},
     .legend = {"LCB (m, AP 'den)", "LCB (m from AP)"}},
    {.value = &Row::kb,
     .report = {same("KB"), same("(m)"), 8, 3, Part::Volume, 4, Reported::Always},
     .file = {"KB_m", 4},
     .python = {"kb", "KB, m above the base line."},
     .legend = same("KB (m)")},
    {.value = &Row::waterplaneArea,
     .report = {same("Awp"), same("(m2)"), 10, 1, Part::Volume, 5, Reported::Always},
     .file = {"Awp_m2", 3},
     .python = {"waterplane_area", "Awp, m2."},
     .legend = {"SU HATTI ALANI Awp (m2)", "WATERPLANE Awp (m2)"}},
    {.value = &Row::lcf,
     .report = {same("LCF"), same("(m AP)"), 9, 3, Part::Volume, 6, Reported::Always},
     .file = {"LCF_m", 4},
     .python = {"lcf", "LCF, m from AP."},
     .legend = {"LCF (m, AP 'den)", "LCF (m from AP)"}},
    {.value = &Row::tpc,
     .report = {same("TPC"), {"(ton/cm)", "(t/cm)"}, 9, 3, Part::Volume, 7, Reported::Always},
     .file = {"TPC_t/cm", 4},
     .python = {"tpc", "TPC, t per cm immersion."},
     .legend = {"TPC (ton/cm)", "TPC (t/cm)"}},
    {.value = &Row::bmt,
     .report = {same("BMt"), same("(m)"), 9, 3, Part::Stability, 1, Reported::Always},
     .file = {"BMt_m", 4},
     .python = {"bmt", "BMt, m."},
     .legend = kNotDrawn},
    {.value = &Row::bml,
     .report = {same("BMl"), same("(m)"), 10, 2, Part::Stability, 2, Reported::Always},
     .file = {"BMl_m", 3},
     .python = {"bml", "BMl (I_L about the LCF), m."},
     .legend = kNotDrawn},
    {.value = &Row::kmt,
     .report = {same("KMt"), same("(m)"), 9, 3, Part::Stability, 3, Reported::Always},
     .file = {"KMt_m", 4},
     .python = {"kmt", "KMt, m."},
     .legend = same("KMt (m)")},
    {.value = &Row::kml,
     .report = {same("KMl"), same("(m)"), 10, 2, Part::Stability, 4, Reported::Always},
     .file = {"KMl_m", 3},
     .python = {"kml", "KMl, m."},
     .legend = same("KMl (m)")},
    {.value = &Row::mct,
     .report = {same("MCT 1 cm"), same("(t.m/cm)"), 11, 2, Part::Stability, 7, Reported::Always},
     .file = {"MCT_tm/cm", 3},
     .python = {"mct", "MCT 1 cm, t m/cm."},
     .legend = same("MCT 1 cm (t.m/cm)")},
    {.value = &Row::waterlineLength,
     .report = {same("Lwl"), same("(m)"), 9, 3, Part::Form, 3, Reported::Always},
     .file = {"Lwl_m", 4},
     .python = {"waterline_length", "Lwl, m."},
     .legend = kNotDrawn},
    {.value = &Row::waterlineBreadth,
     .report = {same("Bwl"), same("(m)"), 8, 3, Part::Form, 4, Reported::Always},
     .file = {"Bwl_m", 4},
     .python = {"waterline_breadth", "Bwl, m."},
     .legend = kNotDrawn},
    {.value = &Row::midshipArea,
     .report = {same("Am"), same("(m2)"), 9, 2, Part::Form, 5, Reported::Always},
     .file = {"Am_m2", 3},
     .python = {"midship_area", "Am, the section area at L/2, m2."},
     .legend = kNotDrawn},
    {.value = &Row::blockCoefficient,
     .report = {same("Cb"), same(""), 7, 4, Part::Form, 6, Reported::Always},
     .file = {"Cb", 5},
     .python = {"cb", "Cb = volume / (L B T)."},
     .legend = same("Cb")},
    {.value = &Row::prismaticCoefficient,
     .report = {same("Cp"), same(""), 7, 4, Part::Form, 7, Reported::Always},
     .file = {"Cp", 5},
     .python = {"cp", "Cp = volume / (Am L)."},
     .legend = same("Cp")},
    {.value = &Row::midshipCoefficient,
     .report = {same("Cm"), same(""), 7, 4, Part::Form, 8, Reported::Always},
     .file = {"Cm", 5},
     .python = {"cm", "Cm = Am / (B T)."},
     .legend = same("Cm")},
    {.value = &Row::waterplaneCoefficient,
     .report = {same("Cwp"), same(""), 7, 4, Part::Form, 9, Reported::Always},
     .file = {"Cwp", 5},
     .python = {"cwp", "Cwp = Awp / (L B)."},
     .legend = same("Cwp")},
    {.value = &Row::wettedSurface,
     .report = {same("S"), same("(m2)"), 10, 1, Part::Stability, 8, Reported::Always},
     .file = {"S_m2", 3},
     .python = {"wetted_surface", "S, the stations' girths integrated along the ship, m2."},
     .legend = {"ISLAK YUZEY ALANI S (m2)", "WETTED SURFACE S (m2)"}},
    {.formula = waterlineBlockCoefficient,
     .report = {same("Cb(wl)"), same(""), 8, 4, Part::Form, 10, Reported::Always},
     .file = {"Cb_wl", 5},
     .python = {"cb_wl", "volume / (Lwl B T)."},
     .legend = kNotDrawn},
    {.formula = waterlinePrismaticCoefficient,
     .report = {same("Cp(wl)"), same(""), 8, 4, Part::Form, 11, Reported::Always},
     .file = {"Cp_wl", 5},
     .python = {"cp_wl", "volume / (Am Lwl)."},
     .legend = kNotDrawn},
    {.formula = waterlineWaterplaneCoefficient,
     .report = {same("Cwp(wl)"), same(""), 8, 4, Part::Form, 12, Reported::Always},
     .file = {"Cwp_wl", 5},
     .python = {"cwp_wl", "Awp / (Lwl B)."},
     .legend = kNotDrawn},
    {.formula = lcbFromMidship,
     .report = {same("LCB"), same("(m L/2)"), 10, 3, Part::Centres, 1, Reported::Always},
     .file = {"LCB_mid_m", 4},
     .python = {"lcb_from_midship", "LCB, m from L/2, + forward."},
     .legend = kNotDrawn},
    {.formula = lcbShare,
     .report = {same("LCB"), same("(% L)"), 8, 2, Part::Centres, 2, Reported::Always},
     .file = {"LCB_pct_L", 3},
     .python = {"lcb_percent", "LCB from L/2 in % of L."},
     .legend = kNotDrawn},
    {.formula = lcfFromMidship,
     .report = {same("LCF"), same("(m L/2)"), 10, 3, Part::Centres, 3, Reported::Always},
     .file = {"LCF_mid_m", 4},
     .python = {"lcf_from_midship", "LCF, m from L/2, + forward."},
     .legend = kNotDrawn},
    {.formula = lcfShare,
     .report = {same("LCF"), same("(% L)"), 8, 2, Part::Centres, 4, Reported::Always},
     .file = {"LCF_pct_L", 3},
     .python = {"lcf_percent", "LCF from L/2 in % of L."},
     .legend = kNotDrawn},
    {.value = &Row::largestSectionArea,
     .report = {same("Ax"), same("(m2)"), 10, 2, Part::Centres, 5, Reported::Always},
     .file = {"Ax_m2", 3},
     .python = {"largest_section_area", "The largest station's section area, m2."},
     .legend = kNotDrawn},
    {.value = &Row::largestSectionX,
     .report = {same("x Ax"), same("(m AP)"), 9, 3, Part::Centres, 6, Reported::Always},
     .file = {"x_Ax_m", 4},
     .python = {"largest_section_x", "Its station, m from AP."},
     .legend = kNotDrawn},
    {.formula = freshWaterDisplacement,
     .report =
         {{"D TATLI SU", "D FRESH"}, {"(ton)", "(t)"}, 12, 1, Part::Centres, 7, Reported::Always},
     .file = {"D_fresh_t", 3},
     .python = {"fresh_water_displacement",
                "The volume's displacement in fresh water (1.000 t/m3), t."},
     .legend = kNotDrawn},
    {.value = &Row::gmt,
     .report = {same("GMt"), same("(m)"), 9, 3, Part::Stability, 5, Reported::WithKg},
     .file = {"GMt_m", 4},
     .python = {"gmt", "GMt = KMt - KG with kg given (else 0), m."},
     .legend = kNotDrawn},
    {.value = &Row::gml,
     .report = {same("GMl"), same("(m)"), 10, 2, Part::Stability, 6, Reported::WithKg},
     .file = {"GMl_m", 3},
     .python = {"gml", "GMl = KB + BMl - KG with kg given (else 0), m."},
     .legend = kNotDrawn},
};

bool reported(const HydrostaticQuantity& q, bool withKg) {
  return withKg || q.report.reported == Reported::Always;
}

}  // namespace

std::span<const HydrostaticQuantity> hydrostaticQuantities() { return kQuantities; }

double valueAt(const HydrostaticQuantity& quantity, const Hydrostatics& table,
               const HydrostaticRow& row) {
  return quantity.formula ? quantity.formula(table, row) : row.*quantity.value;
}

const HydrostaticQuantity& hydrostaticQuantity(double HydrostaticRow::*value) {
  for (const HydrostaticQuantity& q : kQuantities) {
    if (q.value && q.value == value) return q;
  }
  throw std::logic_error("a hydrostatic quantity without its description");
}

std::vector<const HydrostaticQuantity*> reportColumns(HydrostaticsPart part, bool withKg) {
  std::vector<const HydrostaticQuantity*> columns;
  for (const HydrostaticQuantity& q : kQuantities) {
    const bool inPart = q.report.place == 0 || q.report.part == part;
    if (inPart && reported(q, withKg)) columns.push_back(&q);
  }
  std::stable_sort(columns.begin(), columns.end(),
                   [](const auto* a, const auto* b) { return a->report.place < b->report.place; });
  return columns;
}

std::vector<const HydrostaticQuantity*> tableFileColumns(bool withKg) {
  std::vector<const HydrostaticQuantity*> columns;
  for (const HydrostaticQuantity& q : kQuantities) {
    if (reported(q, withKg)) columns.push_back(&q);
  }
  return columns;
}

std::vector<FixedColumn> fixedColumns(const std::vector<const HydrostaticQuantity*>& quantities) {
  std::vector<FixedColumn> columns;
  for (const HydrostaticQuantity* q : quantities) {
    columns.push_back({inCurrentLanguage(q->report.heading), inCurrentLanguage(q->report.unit),
                       q->report.width, q->report.decimals});
  }
  return columns;
}

std::vector<PlainColumn> plainColumns(const std::vector<const HydrostaticQuantity*>& quantities) {
  std::vector<PlainColumn> columns;
  for (const HydrostaticQuantity* q : quantities)
    columns.push_back({q->file.name, q->file.decimals});
  return columns;
}

std::vector<TableRow> tableRows(const Hydrostatics& table,
                                const std::vector<const HydrostaticQuantity*>& quantities) {
  std::vector<TableRow> rows;
  for (const HydrostaticRow& row : table.rows) {
    TableRow& values = rows.emplace_back();
    for (const HydrostaticQuantity* q : quantities) values.push_back(valueAt(*q, table, row));
  }
  return rows;
}

}  // namespace norvika
