#include "model/hull_data_file.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "support/input_file.h"
#include "text/text_format.h"

namespace norvika {

namespace {

constexpr double kEndOfCurve = 99.0;
constexpr double kEndOfStations = 9999.0;

// The records of one curve as read, with the line of each record's height
// for messages about the curve after reading.
struct CurveRecords {
  explicit CurveRecords(std::string curveName) : name(std::move(curveName)) {}
  std::string name;
  int headerLine = 0;  // where the curve's first record should stand
  std::vector<double> z, y, code;
  std::vector<int> line;
};

enum class CurveEnd { Station, LastStation };

// Reads records up to the curve's terminator; returns how the curve ended.
CurveEnd readCurve(InputFile& file, bool stationList, CurveRecords& curve) {
  curve.headerLine = file.line();
  for (int j = 1; j <= kMaxRecords; ++j) {
    // Named only for a message: a hull file has thousands of fields.
    const auto point = [&curve, j] { return curve.name + " " + std::to_string(j) + ". KAYIT "; };
    const double z = file.readField([&] { return point() + "YUKSEKLIK"; });
    const int line = file.lastLine();
    const double y =
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
    if (stationList && code == kEndOfStations) return CurveEnd::LastStation;
    if (code == kEndOfCurve) return CurveEnd::Station;
    curve.z.push_back(z);
    curve.y.push_back(y);
    curve.code.push_back(code);
    curve.line.push_back(line);
  }
  file.reject(curve.name + ": " + std::to_string(kMaxRecords) + " KAYIT ICINDE BITIS KODU (99" +
                  (stationList ? " VEYA 9999" : "") + ") BEKLENIYORDU",
              file.lastLine());
}

void checkCurve(const InputFile& file, const CurveRecords& curve, int minimumPoints) {
  const int n = static_cast<int>(curve.z.size());
  if (n < minimumPoints) {
    file.reject(curve.name + ": EN AZ " + std::to_string(minimumPoints) + " NOKTA BEKLENIYORDU, " +
                    std::to_string(n) + " NOKTA OKUNDU",
                n >= 1 ? curve.line.front() : curve.headerLine);
  }
  for (std::size_t j = 1; j < curve.z.size(); ++j) {
    if (!(curve.z[j] > curve.z[j - 1])) {
      file.reject(curve.name + " " + std::to_string(j + 1) +
                      ". NOKTA: YUKSEKLIK BIR ONCEKI NOKTADAN BUYUK OLMALI (" +
                      formatFixed(curve.z[j - 1], 1, 3) + " / " + formatFixed(curve.z[j], 1, 3) +
                      ")",
                  curve.line[j]);
    }
  }
}

HullModel readHullData(InputFile& file) {
  std::vector<CurveRecords> curves;  // the stations, then the stern and the bow contour
  std::vector<double> stationX;
  std::vector<int> stationLine;

  file.readLine("BASLIK SATIRI");
  for (int i = 1;; ++i) {
    if (i > kMaxStations) {
      file.reject("EN FAZLA " + std::to_string(kMaxStations) + " POSTA OKUNABILIR; " +
                      std::to_string(kMaxStations) + ". POSTA 9999 KODU ILE BITMELIYDI",
                  file.line());
    }
    stationX.push_back(file.readField([i] { return std::to_string(i) + ". POSTANIN YERI"; }));
    stationLine.push_back(file.lastLine());
    curves.emplace_back(std::to_string(i) + ". POSTA");
    if (readCurve(file, true, curves.back()) == CurveEnd::LastStation) break;
  }
  const int stationCount = static_cast<int>(stationX.size());
  file.readLine("KIC BODOSLAMA BASLIK SATIRI");
  curves.emplace_back("KIC BODOSLAMA");
  readCurve(file, false, curves.back());
  file.readLine("BAS BODOSLAMA BASLIK SATIRI");
  curves.emplace_back("BAS BODOSLAMA");
  readCurve(file, false, curves.back());

  for (int i = 1; i <= stationCount; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    if (i > 1 && !(stationX[k] > stationX[k - 1])) {
      file.reject(std::to_string(i) + ". POSTA: POSTA YERI BIR ONCEKI POSTADAN BUYUK OLMALI (" +
                      formatFixed(stationX[k - 1], 1, 3) + " / " + formatFixed(stationX[k], 1, 3) +
                      ")",
                  stationLine[k]);
    }
    curves[k].headerLine = stationLine[k];
    checkCurve(file, curves[k], 2);
  }
  checkCurve(file, curves[curves.size() - 2], 1);
  checkCurve(file, curves.back(), 1);
  // The displacement integrates along the ship: one station has no length.
  if (stationCount < 2) {
    file.reject("EN AZ 2 POSTA BEKLENIYORDU, 1 POSTA OKUNDU (9999 KODU SON POSTAYI BITIRIR)",
                stationLine.front());
  }

  // Tables of the hull's own size: the largest hull file would ask for a megabyte.
  std::size_t records = 0;
  for (const CurveRecords& curve : curves) records = std::max(records, curve.z.size());
  HullModel hull(static_cast<int>(curves.size()), static_cast<int>(records));
  hull.stationCount = stationCount;
  for (int i = 1; i <= stationCount; ++i)
    hull.stationX(i) = stationX[static_cast<std::size_t>(i - 1)];
  for (int c = 1; c <= static_cast<int>(curves.size()); ++c) {
    const CurveRecords& curve = curves[static_cast<std::size_t>(c - 1)];
    hull.pointCount(c) = static_cast<int>(curve.z.size());
    for (std::size_t j = 0; j < curve.z.size(); ++j) {
      const int column = static_cast<int>(j) + 1;
      hull.pointZ(c, column) = curve.z[j];
      hull.pointY(c, column) = curve.y[j];
      hull.pointCode(c, column) = curve.code[j];
    }
  }
  return hull;
}

}  // namespace

HullModel readHullDataFile(const std::filesystem::path& path, const std::string& displayName) {
  InputFile file(path, displayName);
  return readHullData(file);
}

HullModel readHullDataText(std::string text, const std::string& displayName) {
  InputFile file = InputFile::ofText(std::move(text), displayName);
  return readHullData(file);
}

}  // namespace norvika
