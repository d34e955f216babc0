#include "model/hull_data_file.h"

#include <cmath>

#include "support/input_file.h"
#include "text/text_format.h"

namespace norvika {

namespace {

constexpr double kEndOfCurve = 99.0;
constexpr double kEndOfStations = 9999.0;

std::string curveName(const HullModel& hull, int curve) {
  if (curve == hull.sternCurve()) return "KIC BODOSLAMA";
  if (curve == hull.bowCurve()) return "BAS BODOSLAMA";
  return std::to_string(curve) + ". POSTA";
}

// Line of each record's height, for messages about the curves after reading.
using RecordLines = Table2<int>;

enum class CurveEnd { Station, LastStation };

// Reads records of `curve` up to its terminator; returns how the curve ended.
CurveEnd readCurve(InputFile& file, HullModel& hull, int curve, bool stationList,
                   RecordLines& lines) {
  const std::string name = stationList ? std::to_string(curve) + ". POSTA" : curveName(hull, curve);
  for (int j = 1; j <= kMaxRecords; ++j) {
    // Named only for a message: a hull file has thousands of fields.
    const auto point = [&name, j] { return name + " " + std::to_string(j) + ". KAYIT "; };
    hull.pointZ(curve, j) = file.readField([&] { return point() + "YUKSEKLIK"; });
    lines(curve, j) = file.lastLine();
    hull.pointY(curve, j) =
        file.readField([&] { return point() + (stationList ? "YARI GENISLIK" : "BOYUNA YER"); });
    const double code = file.readField([&] { return point() + "KOD"; });
    // A code that is not whole is a mistyped 99 or 9999 far more often than
    // a meant point code; read on, it would be reported many lines later.
    if (code != std::trunc(code)) {
      file.reject(
          point() +
              "KOD ICIN TAM SAYI BEKLENIYORDU (0 KIRIK NOKTA, 99 POSTA SONU, 9999 SON POSTA), " +
              quotedForMessage(file.lastText()) + " OKUNDU",
          file.lastLine());
    }
    hull.pointCode(curve, j) = code;
    if (stationList && code == kEndOfStations) {
      hull.pointCount(curve) = j - 1;
      return CurveEnd::LastStation;
    }
    if (code == kEndOfCurve) {
      hull.pointCount(curve) = j - 1;
      return CurveEnd::Station;
    }
  }
  file.reject(name + ": " + std::to_string(kMaxRecords) + " KAYIT ICINDE BITIS KODU (99" +
                  (stationList ? " VEYA 9999" : "") + ") BEKLENIYORDU",
              file.lastLine());
}

void checkCurve(const InputFile& file, const HullModel& hull, int curve, int minimumPoints,
                const RecordLines& lines, int headerLine) {
  const int n = hull.pointCount(curve);
  if (n < minimumPoints) {
    file.reject(curveName(hull, curve) + ": EN AZ " + std::to_string(minimumPoints) +
                    " NOKTA BEKLENIYORDU, " + std::to_string(n) + " NOKTA OKUNDU",
                n >= 1 ? lines(curve, 1) : headerLine);
  }
  for (int j = 2; j <= n; ++j) {
    if (!(hull.pointZ(curve, j) > hull.pointZ(curve, j - 1))) {
      file.reject(curveName(hull, curve) + " " + std::to_string(j) +
                      ". NOKTA: YUKSEKLIK BIR ONCEKI NOKTADAN BUYUK OLMALI (" +
                      formatFixed(hull.pointZ(curve, j - 1), 1, 3) + " / " +
                      formatFixed(hull.pointZ(curve, j), 1, 3) + ")",
                  lines(curve, j));
    }
  }
}

void readHullData(InputFile& file, HullModel& hull) {
  hull = HullModel{};
  RecordLines lines(kMaxCurves, kMaxRecords);
  Table<int> stationLine(kMaxStations + 2);

  file.readLine("BASLIK SATIRI");
  for (int i = 1;; ++i) {
    if (i > kMaxStations) {
      file.reject("EN FAZLA " + std::to_string(kMaxStations) + " POSTA OKUNABILIR; " +
                      std::to_string(kMaxStations) + ". POSTA 9999 KODU ILE BITMELIYDI",
                  file.line());
    }
    hull.stationX(i) = file.readField([i] { return std::to_string(i) + ". POSTANIN YERI"; });
    stationLine(i) = file.lastLine();
    if (readCurve(file, hull, i, true, lines) == CurveEnd::LastStation) {
      hull.stationCount = i;
      break;
    }
  }
  file.readLine("KIC BODOSLAMA BASLIK SATIRI");
  const int sternLine = file.line();
  readCurve(file, hull, hull.sternCurve(), false, lines);
  file.readLine("BAS BODOSLAMA BASLIK SATIRI");
  const int bowLine = file.line();
  readCurve(file, hull, hull.bowCurve(), false, lines);

  for (int i = 1; i <= hull.stationCount; ++i) {
    if (i > 1 && !(hull.stationX(i) > hull.stationX(i - 1))) {
      file.reject(std::to_string(i) + ". POSTA: POSTA YERI BIR ONCEKI POSTADAN BUYUK OLMALI (" +
                      formatFixed(hull.stationX(i - 1), 1, 3) + " / " +
                      formatFixed(hull.stationX(i), 1, 3) + ")",
                  stationLine(i));
    }
    checkCurve(file, hull, i, 2, lines, stationLine(i));
  }
  checkCurve(file, hull, hull.sternCurve(), 1, lines, sternLine);
  checkCurve(file, hull, hull.bowCurve(), 1, lines, bowLine);
  // The displacement integrates along the ship: one station has no length.
  if (hull.stationCount < 2) {
    file.reject("EN AZ 2 POSTA BEKLENIYORDU, 1 POSTA OKUNDU (9999 KODU SON POSTAYI BITIRIR)",
                stationLine(1));
  }
}

}  // namespace

void readHullDataFile(const std::filesystem::path& path, const std::string& displayName,
                      HullModel& hull) {
  InputFile file(path, displayName);
  readHullData(file, hull);
}

void readHullDataText(std::string text, const std::string& displayName, HullModel& hull) {
  InputFile file = InputFile::ofText(std::move(text), displayName);
  readHullData(file, hull);
}

}  // namespace norvika
