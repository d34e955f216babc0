#include "model/hull_data_file.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "support/input_file.h"
#include "support/run_end.h"
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

  void reserve(std::size_t records) {
    z.reserve(records);
    y.reserve(records);
    code.reserve(records);
    line.reserve(records);
  }
};

enum class CurveEnd { Station, LastStation };

// How messages name a record's field: "3. POSTA 2. KAYIT YUKSEKLIK".
std::string recordName(const CurveRecords& curve, int record) {
  return curve.name + " " + std::to_string(record) + ". KAYIT ";
}

// A code that is not whole is a mistyped 99 or 9999 far more often than a
// meant point code; `shown` is the code as written.
bool isWholeCode(double code) { return code == std::trunc(code); }

std::string codeProblemText(const std::string& record, std::string_view shown) {
  return record +
         "KOD ICIN TAM SAYI BEKLENIYORDU (0 KIRIK NOKTA, 99 POSTA SONU, 9999 SON POSTA), " +
         quotedForMessage(shown) + " OKUNDU";
}

// Where a rejection goes: the file's reader names its file and the line, a
// hull given in code has neither. It never returns.
using Rejection = std::function<void(const std::string& text, int line)>;

// Reads records up to the curve's terminator; returns how the curve ended.
CurveEnd readCurve(InputFile& file, bool stationList, CurveRecords& curve) {
  curve.headerLine = file.line();
  for (int j = 1; j <= kMaxRecords; ++j) {
    // Named only for a message: a hull file has thousands of fields.
    const auto point = [&curve, j] { return recordName(curve, j); };
    const double z = file.readField([&] { return point() + "YUKSEKLIK"; });
    const int line = file.lastLine();
    const double y =
        file.readField([&] { return point() + (stationList ? "YARI GENISLIK" : "BOYUNA YER"); });
    const double code = file.readField([&] { return point() + "KOD"; });
    // Read on, a mistyped terminator would be reported many lines later.
    if (!isWholeCode(code)) file.reject(codeProblemText(point(), file.lastText()), file.lastLine());
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

void checkCurve(const Rejection& reject, const CurveRecords& curve, int minimumPoints) {
  const int n = static_cast<int>(curve.z.size());
  if (n < minimumPoints) {
    reject(curve.name + ": EN AZ " + std::to_string(minimumPoints) + " NOKTA BEKLENIYORDU, " +
               std::to_string(n) + " NOKTA OKUNDU",
           n >= 1 ? curve.line.front() : curve.headerLine);
  }
  for (std::size_t j = 1; j < curve.z.size(); ++j) {
    if (!(curve.z[j] > curve.z[j - 1])) {
      reject(curve.name + " " + std::to_string(j + 1) +
                 ". NOKTA: YUKSEKLIK BIR ONCEKI NOKTADAN BUYUK OLMALI (" +
                 formatFixed(curve.z[j - 1], 1, 3) + " / " + formatFixed(curve.z[j], 1, 3) + ")",
             curve.line[j]);
    }
  }
}

// The hull of the records read or given (the stations, then the stern and the
// bow contour), after checking that the stations rise, each station has two
// points and each contour one, heights rise within each curve, and there are
// two stations.
HullModel checkedHull(std::vector<CurveRecords>& curves, const std::vector<double>& stationX,
                      const std::vector<int>& stationLine, const Rejection& reject) {
  const int stationCount = static_cast<int>(stationX.size());
  for (int i = 1; i <= stationCount; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    if (i > 1 && !(stationX[k] > stationX[k - 1])) {
      reject(std::to_string(i) + ". POSTA: POSTA YERI BIR ONCEKI POSTADAN BUYUK OLMALI (" +
                 formatFixed(stationX[k - 1], 1, 3) + " / " + formatFixed(stationX[k], 1, 3) + ")",
             stationLine[k]);
    }
    curves[k].headerLine = stationLine[k];
    checkCurve(reject, curves[k], 2);
  }
  checkCurve(reject, curves[curves.size() - 2], 1);
  checkCurve(reject, curves.back(), 1);
  // The displacement integrates along the ship: one station has no length.
  if (stationCount < 2) {
    reject("EN AZ 2 POSTA BEKLENIYORDU, " + std::to_string(stationCount) +
               " POSTA OKUNDU (9999 KODU SON POSTAYI BITIRIR)",
           stationLine.empty() ? 0 : stationLine.front());
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

HullModel readHullData(InputFile& file) {
  std::vector<CurveRecords> curves;  // the stations, then the stern and the bow contour
  std::vector<double> stationX;
  std::vector<int> stationLine;
  curves.reserve(kMaxStations + 2);

  file.readLine("BASLIK SATIRI");
  for (int i = 1;; ++i) {
    if (i > kMaxStations) {
      file.reject("EN FAZLA " + std::to_string(kMaxStations) + " POSTA OKUNABILIR; " +
                      std::to_string(kMaxStations) + ". POSTA 9999 KODU ILE BITMELIYDI",
                  file.line());
    }
    stationX.push_back(file.readField([i] { return std::to_string(i) + ". POSTANIN YERI"; }));
    stationLine.push_back(file.lastLine());
    // Room for as many records as the station before had: most stations have much the same.
    const std::size_t expected = curves.empty() ? 0 : curves.back().z.size();
    curves.emplace_back(std::to_string(i) + ". POSTA").reserve(expected);
    if (readCurve(file, true, curves.back()) == CurveEnd::LastStation) break;
  }
  file.readLine("KIC BODOSLAMA BASLIK SATIRI");
  curves.emplace_back("KIC BODOSLAMA");
  readCurve(file, false, curves.back());
  file.readLine("BAS BODOSLAMA BASLIK SATIRI");
  curves.emplace_back("BAS BODOSLAMA");
  readCurve(file, false, curves.back());
  return checkedHull(curves, stationX, stationLine,
                     [&file](const std::string& text, int line) { file.reject(text, line); });
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

HullModel hullFromValues(const HullValues& values) {
  const auto refuse = [](const std::string& text, int) {
    throw ProgramEnd(ExitReason::InputError, text);
  };
  const int stationCount = static_cast<int>(values.stations.size());
  if (stationCount > kMaxStations) {
    refuse("EN FAZLA " + std::to_string(kMaxStations) + " POSTA OKUNABILIR", 0);
  }
  std::vector<CurveRecords> curves;
  std::vector<double> stationX;
  // A curve's records as the file's reader would take them: numbers of the
  // file's size, whole codes, no terminator among the points.
  const auto take = [&](const std::string& name, const CurveValues& given, bool station) {
    CurveRecords& curve = curves.emplace_back(name);
    if (given.z.size() != given.y.size() || given.z.size() != given.code.size()) {
      refuse(name + ": YUKSEKLIK, " + (station ? "YARI GENISLIK" : "BOYUNA YER") +
                 " VE KOD SAYILARI ESIT OLMALI (" + std::to_string(given.z.size()) + " / " +
                 std::to_string(given.y.size()) + " / " + std::to_string(given.code.size()) + ")",
             0);
    }
    if (given.z.size() >= static_cast<std::size_t>(kMaxRecords)) {
      refuse(name + ": EN FAZLA " + std::to_string(kMaxRecords - 1) + " NOKTA OKUNABILIR", 0);
    }
    for (std::size_t j = 0; j < given.z.size(); ++j) {
      const std::string record = recordName(curve, static_cast<int>(j) + 1);
      for (const auto& [field, number] :
           {std::pair{"YUKSEKLIK", given.z[j]},
            std::pair{station ? "YARI GENISLIK" : "BOYUNA YER", given.y[j]},
            std::pair{"KOD", given.code[j]}}) {
        if (const auto problem = numberProblem(record + field, number)) refuse(*problem, 0);
      }
      if (!isWholeCode(given.code[j])) {
        refuse(codeProblemText(record, shortestNumberText(given.code[j])), 0);
      }
      if (given.code[j] == kEndOfCurve || given.code[j] == kEndOfStations) {
        refuse(record + "KOD 99 VE 9999 EGRI SONU KODLARIDIR, NOKTA KODU OLAMAZ", 0);
      }
      curve.z.push_back(given.z[j]);
      curve.y.push_back(given.y[j]);
      curve.code.push_back(given.code[j]);
      curve.line.push_back(0);
    }
  };
  for (int i = 1; i <= stationCount; ++i) {
    const StationValues& station = values.stations[static_cast<std::size_t>(i - 1)];
    const std::string position = std::to_string(i) + ". POSTANIN YERI";
    if (const auto problem = numberProblem(position, station.x)) refuse(*problem, 0);
    stationX.push_back(station.x);
    take(std::to_string(i) + ". POSTA", station.curve, true);
  }
  take("KIC BODOSLAMA", values.stern, false);
  take("BAS BODOSLAMA", values.bow, false);
  return checkedHull(curves, stationX, std::vector<int>(stationX.size(), 0), refuse);
}

}  // namespace norvika
