#include "reports/hydrostatics_report.h"

#include <cmath>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "reports/hull_lines.h"
#include "support/result_names.h"
#include "text/text_format.h"

namespace norvika {

namespace {

// A column of the report: its heading on two lines, its width and decimals,
// and the value of a row it shows.
struct Column {
  const char* name;
  const char* unit;
  int width;
  int decimals;
  double HydrostaticRow::*value;
};

// Right-aligned in `width`; a wider value keeps one blank before it.
std::string cell(const std::string& text, int width) {
  const auto w = static_cast<std::size_t>(width);
  return text.size() >= w ? " " + text : std::string(w - text.size(), ' ') + text;
}

const Column kDraft{"T", "(m)", 8, 3, &HydrostaticRow::draft};

const std::initializer_list<Column> kVolumeColumns = {
    kDraft,
    {"HACIM", "(m3)", 12, 1, &HydrostaticRow::volume},
    {"DEPLASMAN", "(ton)", 12, 1, &HydrostaticRow::displacement},
    {"LCB", "(m AP)", 9, 3, &HydrostaticRow::lcb},
    {"KB", "(m)", 8, 3, &HydrostaticRow::kb},
    {"Awp", "(m2)", 10, 1, &HydrostaticRow::waterplaneArea},
    {"LCF", "(m AP)", 9, 3, &HydrostaticRow::lcf},
    {"TPC", "(ton/cm)", 9, 3, &HydrostaticRow::tpc},
};

const std::initializer_list<Column> kStabilityColumns = {
    kDraft,
    {"BMt", "(m)", 9, 3, &HydrostaticRow::bmt},
    {"BMl", "(m)", 10, 2, &HydrostaticRow::bml},
    {"KMt", "(m)", 9, 3, &HydrostaticRow::kmt},
    {"KMl", "(m)", 10, 2, &HydrostaticRow::kml},
    {"MCT 1 cm", "(t.m/cm)", 11, 2, &HydrostaticRow::mct},
    {"S", "(m2)", 10, 1, &HydrostaticRow::wettedSurface},
};

// With KG given: the metacentric heights beside them, MCT from GMl.
const Column kGmt{"GMt", "(m)", 9, 3, &HydrostaticRow::gmt};
const Column kGml{"GMl", "(m)", 10, 2, &HydrostaticRow::gml};

const std::initializer_list<Column> kFormColumns = {
    kDraft,
    {"Tf", "(m)", 8, 3, &HydrostaticRow::forwardDraft},
    {"Ta", "(m)", 8, 3, &HydrostaticRow::aftDraft},
    {"Lwl", "(m)", 9, 3, &HydrostaticRow::waterlineLength},
    {"Bwl", "(m)", 8, 3, &HydrostaticRow::waterlineBreadth},
    {"Am", "(m2)", 9, 2, &HydrostaticRow::midshipArea},
    {"Cb", "", 7, 4, &HydrostaticRow::blockCoefficient},
    {"Cp", "", 7, 4, &HydrostaticRow::prismaticCoefficient},
    {"Cm", "", 7, 4, &HydrostaticRow::midshipCoefficient},
    {"Cwp", "", 7, 4, &HydrostaticRow::waterplaneCoefficient},
    {"Cb(wl)", "", 8, 4, &HydrostaticRow::waterlineBlockCoefficient},
    {"Cp(wl)", "", 8, 4, &HydrostaticRow::waterlinePrismaticCoefficient},
    {"Cwp(wl)", "", 8, 4, &HydrostaticRow::waterlineWaterplaneCoefficient},
};

const std::initializer_list<Column> kCentreColumns = {
    kDraft,
    {"LCB", "(m L/2)", 10, 3, &HydrostaticRow::lcbFromMidship},
    {"LCB", "(% L)", 8, 2, &HydrostaticRow::lcbShare},
    {"LCF", "(m L/2)", 10, 3, &HydrostaticRow::lcfFromMidship},
    {"LCF", "(% L)", 8, 2, &HydrostaticRow::lcfShare},
    {"Ax", "(m2)", 10, 2, &HydrostaticRow::largestSectionArea},
    {"x Ax", "(m AP)", 9, 3, &HydrostaticRow::largestSectionX},
    {"D TATLI SU", "(ton)", 12, 1, &HydrostaticRow::freshWaterDisplacement},
};

void writeTable(ResultFile& file, const std::string& title, const std::vector<Column>& columns,
                const Hydrostatics& table) {
  std::string names;
  std::string units;
  int width = 0;
  for (const Column& c : columns) {
    names += cell(c.name, c.width);
    units += cell(c.unit, c.width);
    width += c.width;
  }
  const std::string rule(static_cast<std::size_t>(width + 2), '=');
  file.line(" " + title);
  file.line();
  file.line(names);
  file.line(units);
  file.line(rule);
  for (const HydrostaticRow& row : table.rows) {
    std::string text;
    for (const Column& c : columns) text += cell(formatPlain(row.*c.value, c.decimals), c.width);
    file.line(text);
  }
  file.line(rule);
  file.blank(2);
}

void writeInputs(ResultFile& file, const TaskParameters& task, const HullModel& hull,
                 const HydrostaticsSources& sources, const Hydrostatics& table) {
  writeHullLines(file, task, hull, table.shipLength, table.density, sources.densityFromCommandLine);
  file.line(" TRIM                  - Tf-Ta = " + formatFixed(table.trim, 4, 3) +
            " m. (L/2 ETRAFINDA)");
  file.line(
      " DRAFT SAYISI                  = " + padInteger(static_cast<double>(table.rows.size()), 8) +
      (sources.draftsFromCommandLine ? "   (--drafts)"
                                     : "   (GEMI DERINLIGININ 1/10 'UNDAN DERINLIGINE)"));
  if (table.kg) {
    file.line(" AGIRLIK MERKEZI       - KG    = " + formatFixed(*table.kg, 4, 3) +
              " m. (--kg): GMt = KMt - KG, GMl = KB + BMl - KG");
  }
  file.line(" DRAFT T TABAN HATTINDAN L/2 'DE OLCULUR; Tf FP 'DE, Ta AP 'DE.");
  file.blank(2);
}

// Stations whose outline zigzags (a mesh's seams): their girths, and the
// wetted surface, come out too large.
void writeSeamWarnings(ResultFile& file, const std::vector<SeamedStation>& seamed) {
  for (const SeamedStation& s : seamed) {
    file.line(" UYARI: " + std::to_string(s.station) + ". POSTANIN CEVRESI " +
              formatPlain(s.girth, 3) + " m., DISBUKEY CEVRESININ (" +
              formatPlain(s.convexGirth, 3) + " m.) " + formatPlain(s.girth / s.convexGirth, 2) +
              " KATI: KESIT DIKISLI OLABILIR, ISLAK YUZEY FAZLA CIKAR");
  }
  if (!seamed.empty()) file.blank(2);
}

void writeNotes(ResultFile& file) {
  for (const char* line : {
           " KISALTMALAR:",
           "   HACIM     SU ALTI HACMI            LCB   BOYUNA YUZME MERKEZI",
           "   KB        YUZME MERKEZININ TABAN HATTINDAN YUKSEKLIGI",
           "   Awp       SU HATTI ALANI           LCF   YUZDURME MERKEZI",
           "   TPC       1 cm BATMA TONAJI        MCT   1 cm TRIM MOMENTI",
           "   BMt, BMl  ENINE VE BOYUNA METASANTR YARICAPI",
           "   KMt, KMl  ENINE VE BOYUNA METASANTR YUKSEKLIGI",
           "   Lwl, Bwl  SU HATTI BOYU VE GENISLIGI   Am   ORTA KESIT ALANI",
           "   Cb BLOK KATSAYISI, Cp PRIZMATIK KATSAYI, Cm ORTA KESIT KATSAYISI,",
           "   Cwp SU HATTI ALANI KATSAYISI, S ISLAK YUZEY ALANI",
           "",
           " ACIKLAMALAR:",
           "   DEGERLER POSTALAR UZERINDEN HESAPLANIR: KESIT ALANLARI SEPHIYE HESABININ",
           "   KENDI YONTEMIYLE, GEMI BOYUNCA INTEGRAL PARABOLLERLE.",
           "   BMt = IT / HACIM, BMl = IL / HACIM; IL SU HATTI ALANININ LCF 'DEN GECEN",
           "   ENINE EKSENE GORE ATALET MOMENTIDIR. KMt = KB + BMt, KMl = KB + BMl.",
           "   MCT 1 cm = DEPLASMAN x GMl / (100 L); KG VERILMEDIGINDE GMl YERINE BMl ALINIR.",
           "   KATSAYILAR L VE EN BUYUK SU HATTI GENISLIGI Bwl UZERINDEN: Cb = HACIM/(L Bwl T),",
           "   Cp = HACIM/(Am L), Cm = Am/(Bwl T), Cwp = Awp/(L Bwl); Am L/2 'DEKI KESIT ALANI.",
           "   Cb(wl), Cp(wl), Cwp(wl): AYNI KATSAYILAR Lwl ILE.",
           "   Lwl: SU HATTININ KIC VE BAS BODOSLAMAYI KESTIGI NOKTALAR ARASI UZUNLUK (KESMEDIGI",
           "   UCTA SU HATTININ ULASTIGI EN UC POSTA).",
           "   LCB VE LCF L/2 'DEN (+ BAS) VE L 'NIN YUZDESI OLARAK; Ax EN BUYUK POSTA KESIT "
           "ALANI,",
           "   x Ax POSTASI; D TATLI SU: HACIM x 1.000 ton/m3.",
           "   ISLAK YUZEY ALANI S: POSTALARIN SU ALTINDAKI CEVRE UZUNLUKLARI GEMI BOYUNCA",
           "   INTEGRE EDILIR; YUZEYIN BOYUNA EGIMI VE KIC AYNASI GIBI UC YUZLER HESABA",
           "   KATILMAZ.",
       }) {
    file.line(line);
  }
}

}  // namespace

ResultFile writeHydrostaticsReport(const TaskParameters& task, const HullModel& hull,
                                   const HydrostaticsSources& sources, const Hydrostatics& table,
                                   const std::vector<SeamedStation>& seamed) {
  ResultFile file(task.directoryPrefix + resultName(ResultKind::HydrostaticsReport));
  file.line();
  file.line(" HIDROSTATIK HESAP - BASLAMA ---------------------------------------------");
  file.blank(2);
  writeInputs(file, task, hull, sources, table);
  writeSeamWarnings(file, seamed);
  writeTable(file, "HACIM, DEPLASMAN, YUZME MERKEZI VE SU HATTI ALANI", kVolumeColumns, table);
  if (table.kg) {
    std::vector<Column> columns(kStabilityColumns);
    columns.insert(columns.begin() + 5, {kGmt, kGml});
    writeTable(file,
               "METASANTR YARICAPLARI VE YUKSEKLIKLERI, TRIM MOMENTI (GMl ILE) VE ISLAK YUZEY",
               columns, table);
  } else {
    writeTable(file,
               "METASANTR YARICAPLARI, TRIM MOMENTI (GMl YERINE BMl ILE) VE ISLAK YUZEY ALANI",
               kStabilityColumns, table);
  }
  writeTable(file, "SU HATTI VE FORM KATSAYILARI (Cb, Cp, Cwp L VE Bwl ILE; (wl): Lwl VE Bwl ILE)",
             kFormColumns, table);
  writeTable(file, "L/2 'DEN BOYUNA MERKEZLER (+ BAS), EN BUYUK KESIT VE TATLI SU DEPLASMANI",
             kCentreColumns, table);
  writeNotes(file);
  file.blank(2);
  file.line(" HIDROSTATIK HESAP - BITIS -----------------------------------------------");
  return file;
}

ResultFile writeHydrostaticsTable(const TaskParameters& task, const Hydrostatics& table) {
  struct TableColumn {
    const char* name;
    int decimals;
    double HydrostaticRow::*value;
  };
  static const TableColumn kColumns[] = {
      {"T_m", 4, &HydrostaticRow::draft},
      {"Tf_m", 4, &HydrostaticRow::forwardDraft},
      {"Ta_m", 4, &HydrostaticRow::aftDraft},
      {"V_m3", 3, &HydrostaticRow::volume},
      {"D_t", 3, &HydrostaticRow::displacement},
      {"LCB_m", 4, &HydrostaticRow::lcb},
      {"KB_m", 4, &HydrostaticRow::kb},
      {"Awp_m2", 3, &HydrostaticRow::waterplaneArea},
      {"LCF_m", 4, &HydrostaticRow::lcf},
      {"TPC_t/cm", 4, &HydrostaticRow::tpc},
      {"BMt_m", 4, &HydrostaticRow::bmt},
      {"BMl_m", 3, &HydrostaticRow::bml},
      {"KMt_m", 4, &HydrostaticRow::kmt},
      {"KMl_m", 3, &HydrostaticRow::kml},
      {"MCT_tm/cm", 3, &HydrostaticRow::mct},
      {"Lwl_m", 4, &HydrostaticRow::waterlineLength},
      {"Bwl_m", 4, &HydrostaticRow::waterlineBreadth},
      {"Am_m2", 3, &HydrostaticRow::midshipArea},
      {"Cb", 5, &HydrostaticRow::blockCoefficient},
      {"Cp", 5, &HydrostaticRow::prismaticCoefficient},
      {"Cm", 5, &HydrostaticRow::midshipCoefficient},
      {"Cwp", 5, &HydrostaticRow::waterplaneCoefficient},
      {"S_m2", 3, &HydrostaticRow::wettedSurface},
      {"Cb_wl", 5, &HydrostaticRow::waterlineBlockCoefficient},
      {"Cp_wl", 5, &HydrostaticRow::waterlinePrismaticCoefficient},
      {"Cwp_wl", 5, &HydrostaticRow::waterlineWaterplaneCoefficient},
      {"LCB_mid_m", 4, &HydrostaticRow::lcbFromMidship},
      {"LCB_pct_L", 3, &HydrostaticRow::lcbShare},
      {"LCF_mid_m", 4, &HydrostaticRow::lcfFromMidship},
      {"LCF_pct_L", 3, &HydrostaticRow::lcfShare},
      {"Ax_m2", 3, &HydrostaticRow::largestSectionArea},
      {"x_Ax_m", 4, &HydrostaticRow::largestSectionX},
      {"D_fresh_t", 3, &HydrostaticRow::freshWaterDisplacement},
  };
  ResultFile file(task.directoryPrefix + resultName(ResultKind::HydrostaticsTable));
  // With KG given, the metacentric heights after the columns readers know.
  static const TableColumn kKgColumns[] = {
      {"GMt_m", 4, &HydrostaticRow::gmt},
      {"GMl_m", 3, &HydrostaticRow::gml},
  };
  std::vector<TableColumn> columns(std::begin(kColumns), std::end(kColumns));
  if (table.kg) columns.insert(columns.end(), std::begin(kKgColumns), std::end(kKgColumns));
  std::string header;
  for (const TableColumn& c : columns) header += (header.empty() ? "" : " ") + std::string(c.name);
  file.line(header);
  for (const HydrostaticRow& row : table.rows) {
    std::string text;
    for (const TableColumn& c : columns) {
      text += (text.empty() ? "" : " ") + formatPlain(row.*c.value, c.decimals);
    }
    file.line(text);
  }
  return file;
}

ResultFile writeBonjeanTable(const TaskParameters& task, const BonjeanCurves& curves) {
  ResultFile file(task.directoryPrefix + resultName(ResultKind::BonjeanTable));
  file.line("station x_m z_m area_m2 moment_m3");
  for (const BonjeanStation& s : curves.stations) {
    for (std::size_t k = 0; k < s.z.size(); ++k) {
      file.line(std::to_string(s.station) + " " + formatPlain(s.x, 4) + " " +
                formatPlain(s.z[k], 4) + " " + formatPlain(s.area[k], 4) + " " +
                formatPlain(s.moment[k], 4));
    }
  }
  return file;
}

}  // namespace norvika
