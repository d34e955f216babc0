#include "reports/hydrostatics_report.h"

#include <string>
#include <vector>

#include "quantities/hydrostatic_quantities.h"
#include "reports/hull_lines.h"
#include "support/result_names.h"
#include "text/column_table.h"
#include "text/text_format.h"

namespace norvika {

namespace {

void writePart(ResultFile& file, const std::string& title, HydrostaticsPart part,
               const Hydrostatics& table) {
  const auto quantities = reportColumns(part, table.kg.has_value());
  writeFixedTable(file, title, fixedColumns(quantities), tableRows(table, quantities));
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
  writePart(file, "HACIM, DEPLASMAN, YUZME MERKEZI VE SU HATTI ALANI", HydrostaticsPart::Volume,
            table);
  writePart(file,
            table.kg
                ? "METASANTR YARICAPLARI VE YUKSEKLIKLERI, TRIM MOMENTI (GMl ILE) VE ISLAK YUZEY"
                : "METASANTR YARICAPLARI, TRIM MOMENTI (GMl YERINE BMl ILE) VE ISLAK YUZEY ALANI",
            HydrostaticsPart::Stability, table);
  writePart(file, "SU HATTI VE FORM KATSAYILARI (Cb, Cp, Cwp L VE Bwl ILE; (wl): Lwl VE Bwl ILE)",
            HydrostaticsPart::Form, table);
  writePart(file, "L/2 'DEN BOYUNA MERKEZLER (+ BAS), EN BUYUK KESIT VE TATLI SU DEPLASMANI",
            HydrostaticsPart::Centres, table);
  writeNotes(file);
  file.blank(2);
  file.line(" HIDROSTATIK HESAP - BITIS -----------------------------------------------");
  return file;
}

ResultFile writeHydrostaticsTable(const TaskParameters& task, const Hydrostatics& table) {
  ResultFile file(task.directoryPrefix + resultName(ResultKind::HydrostaticsTable));
  const auto quantities = tableFileColumns(table.kg.has_value());
  writePlainTable(file, plainColumns(quantities), tableRows(table, quantities));
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
