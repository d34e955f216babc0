#include "hull_file_writing.h"

#include <charconv>
#include <cmath>

namespace norvika::offsets {

namespace {

// Fixed six decimals: a micrometre at ship scale, and no exponent the
// reader of older programs might trip over. Noise below that is a zero.
std::string number(double value) {
  if (std::fabs(value) < 5e-7) value = 0.0;
  // Room for the largest double written whole, so that no value is lost.
  char buffer[400];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6).ptr;
  return std::string(buffer, end);
}

void appendCurve(ResultFile& file, const std::vector<OffsetPoint>& points) {
  for (const OffsetPoint& p : points) {
    file.line(number(p.z) + ", " + number(p.offset) + ", " + std::to_string(p.code));
  }
}

// The task file's labels, as the shipped examples have them: lines 1-12,
// 14-19, 21, 23, 25-61, and the four after the case values.
const char* const kLabelsTop[] = {
    "NORVIKA - SEPHIYE DAGILIM HESABI GOREV DOSYASI",
    "==============================================",
    "Bu dosyadaki aciklama satirlari sayilarak atlanir; degerler",
    "sabit satirlarda durur. Satir sayisini degistirmeyin.",
    "",
    "GEMI FORM DOSYASI: istasyonlar (posta yeri, sonra yukseklik,",
    "yari genislik, kod kayitlari; 99 postayi, 9999 son postayi",
    "bitirir), kic ve bas bodoslama egrileri.",
    "",
    "Birimler: m, ton, ton/m3, derece.",
    "",
    "GEMI FORM DOSYASININ ADI (13. satir):",
};
const char* const kLabelsMiddle[] = {
    "",
    "GEMI BOYU - L (m) (20. satir),",
    "POSTA ARALIGI SAYISI (22. satir),",
    "SU YOGUNLUGU (ton/m3) (24. satir)",
    "",
    "GEMI BOYU - L (m):",
};
const char* const kLabelsCases[] = {
    "",
    "HESAP NO (62. satir) ve o hesabin degerleri (63. satirdan itibaren):",
    "",
    "  1  DUZ SU HATTI",
    "       ISTENEN DEPLASMAN (ton)",
    "       BASLANGIC DRAFTI (m)",
    "  2  TROKOID DALGA TEPESI (tepe gemi ortasinda)",
    "       ISTENEN DEPLASMAN (ton)",
    "       BASLANGIC DRAFTI (m)",
    "       DALGA YUKSEKLIGI - H (m)",
    "       DALGA BOYU / GEMI BOYU",
    "  3  TROKOID DALGA CUKURU (cukur gemi ortasinda)",
    "       degerler 2 gibi",
    "  4  SINUS DALGA TEPESI",
    "       degerler 2 gibi",
    "  5  SINUS DALGA CUKURU",
    "       degerler 2 gibi",
    "  6  TRIMLI SU HATTI",
    "       BAS DRAFT - Tf (m)",
    "       KIC DRAFT - Ta (m)",
    "  7  YARALI DURUM (meyilli)",
    "       BAS DRAFT - Tf (m)",
    "       KIC DRAFT - Ta (m)",
    "       MEYIL ACISI (derece)",
    "",
    "Hesap degerlerinden sonra 4 aciklama satiri gelir, ardindan",
    "ESIT ARALIKLI NOKTA SAYISI (0 = yok), ILK NOKTA (m), SON NOKTA (m)",
    "ayni satirda virgulle ayrilarak.",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "HESAP NO:",
};
const char* const kLabelsEqual[] = {
    "",
    "ESIT ARALIKLI NOKTALAR:",
    "  NOKTA SAYISI, ILK NOKTA (m), SON NOKTA (m)",
    "",
};
// Equally spaced values every 1 % of the length.
constexpr int kEqualPoints = 101;

// A task value: shortest text that reads back as the value, no exponent.
std::string value(double v, int decimals) {
  std::string text = number(std::round(v * std::pow(10.0, decimals)) / std::pow(10.0, decimals));
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

}  // namespace

ResultFile hullFile(const std::filesystem::path& path, const OffsetTable& table) {
  ResultFile file(path);
  file.line(table.title);
  for (std::size_t s = 0; s < table.stations.size(); ++s) {
    file.line(number(table.stationX[s]));
    appendCurve(file, table.stations[s]);
    file.line(s + 1 == table.stations.size() ? "0, 0, 9999" : "0, 0, 99");
  }
  file.line("KIC BODOSLAMA (STERN CONTOUR: HEIGHT, X FROM AP)");
  appendCurve(file, table.sternContour);
  file.line("0, 0, 99");
  file.line("BAS BODOSLAMA (BOW CONTOUR: HEIGHT, X FROM AP)");
  appendCurve(file, table.bowContour);
  file.line("0, 0, 99");
  return file;
}

ResultFile levelTaskFile(const std::filesystem::path& path, const LevelTask& task) {
  ResultFile file(path);
  for (const char* label : kLabelsTop) file.line(label);
  file.line(task.hullFileName);
  for (const char* label : kLabelsMiddle) file.line(label);
  file.line(value(task.length, 6));
  file.line("POSTA ARALIGI SAYISI:");
  file.line(std::to_string(task.stationDivisions));
  file.line("SU YOGUNLUGU (ton/m3):");
  file.line(value(task.density, 6));
  for (const char* label : kLabelsCases) file.line(label);
  file.line("1");
  file.line(value(task.displacement, 1));
  file.line(value(task.initialDraft, 6));
  for (const char* label : kLabelsEqual) file.line(label);
  file.line(std::to_string(kEqualPoints) + ", 0, " + value(task.length, 6));
  return file;
}

}  // namespace norvika::offsets
