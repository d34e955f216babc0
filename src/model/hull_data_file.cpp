#include "model/hull_data_file.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "support/input_file.h"
#include "support/run_end.h"
#include "text/text_format.h"
#include "words/catalogue.h"

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

std::string stationName(int i) { return text(Text::HullStation, {std::to_string(i)}); }

std::string stationPositionName(int i) {
  return text(Text::HullStationPosition, {std::to_string(i)});
}

// A record's second number: a station's half breadth, a contour's place along the ship.
Text offsetName(bool station) { return station ? Text::HullHalfBreadth : Text::HullLengthwise; }

// How messages name a record's field: "3. POSTA 2. KAYIT YUKSEKLIK".
std::string recordName(const CurveRecords& curve, int record) {
  return text(Text::HullRecord, {curve.name, std::to_string(record)});
}

// A code that is not whole is a mistyped 99 or 9999 far more often than a
// meant point code; `shown` is the code as written.
bool isWholeCode(double code) { return code == std::trunc(code); }

std::string codeProblemText(const std::string& record, std::string_view shown) {
  return text(Text::HullCodeNotWhole, {record, quotedForMessage(shown)});
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
    const double z = file.readField([&] { return point().append(text(Text::HullHeight)); });
    const int line = file.lastLine();
    const double y = file.readField([&] { return point().append(text(offsetName(stationList))); });
    const double code = file.readField([&] { return point().append(text(Text::HullCode)); });
    // Read on, a mistyped terminator would be reported many lines later.
    if (!isWholeCode(code)) file.reject(codeProblemText(point(), file.lastText()), file.lastLine());
    if (stationList && code == kEndOfStations) return CurveEnd::LastStation;
    if (code == kEndOfCurve) return CurveEnd::Station;
    curve.z.push_back(z);
    curve.y.push_back(y);
    curve.code.push_back(code);
    curve.line.push_back(line);
  }
  file.reject(text(stationList ? Text::HullNoStationEnd : Text::HullNoCurveEnd,
                   {curve.name, std::to_string(kMaxRecords)}),
              file.lastLine());
}

void checkCurve(const Rejection& reject, const CurveRecords& curve, int minimumPoints) {
  const int n = static_cast<int>(curve.z.size());
  if (n < minimumPoints) {
    reject(text(Text::HullTooFewPoints,
                {curve.name, std::to_string(minimumPoints), std::to_string(n)}),
           n >= 1 ? curve.line.front() : curve.headerLine);
  }
  for (std::size_t j = 1; j < curve.z.size(); ++j) {
    if (!(curve.z[j] > curve.z[j - 1])) {
      reject(text(Text::HullHeightsRise,
                  {curve.name, std::to_string(j + 1), formatFixed(curve.z[j - 1], 1, 3),
                   formatFixed(curve.z[j], 1, 3)}),
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
      reject(text(Text::HullStationsRise, {std::to_string(i), formatFixed(stationX[k - 1], 1, 3),
                                           formatFixed(stationX[k], 1, 3)}),
             stationLine[k]);
    }
    curves[k].headerLine = stationLine[k];
    checkCurve(reject, curves[k], 2);
  }
  checkCurve(reject, curves[curves.size() - 2], 1);
  checkCurve(reject, curves.back(), 1);
  // The displacement integrates along the ship: one station has no length.
  if (stationCount < 2) {
    reject(text(Text::HullTooFewStations, {std::to_string(stationCount)}),
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

  file.readLine(std::string(text(Text::InputTitleLine)));
  for (int i = 1;; ++i) {
    if (i > kMaxStations) {
      const std::string most = std::to_string(kMaxStations);
      file.reject(text(Text::HullTooManyStations, {most}) + text(Text::HullLastStationEnd, {most}),
                  file.line());
    }
    stationX.push_back(file.readField([i] { return stationPositionName(i); }));
    stationLine.push_back(file.lastLine());
    // Room for as many records as the station before had: most stations have much the same.
    const std::size_t expected = curves.empty() ? 0 : curves.back().z.size();
    curves.emplace_back(stationName(i)).reserve(expected);
    if (readCurve(file, true, curves.back()) == CurveEnd::LastStation) break;
  }
  for (const Text contour : {Text::HullSternContour, Text::HullBowContour}) {
    file.readLine(text(Text::InputCurveTitleLine, {text(contour)}));
    curves.emplace_back(std::string(text(contour)));
    readCurve(file, false, curves.back());
  }
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
    refuse(text(Text::HullTooManyStations, {std::to_string(kMaxStations)}), 0);
  }
  std::vector<CurveRecords> curves;
  std::vector<double> stationX;
  // A curve's records as the file's reader would take them: numbers of the
  // file's size, whole codes, no terminator among the points.
  const auto take = [&](const std::string& name, const CurveValues& given, bool station) {
    CurveRecords& curve = curves.emplace_back(name);
    if (given.z.size() != given.y.size() || given.z.size() != given.code.size()) {
      refuse(text(Text::HullCountsDiffer,
                  {name, text(offsetName(station)), std::to_string(given.z.size()),
                   std::to_string(given.y.size()), std::to_string(given.code.size())}),
             0);
    }
    if (given.z.size() >= static_cast<std::size_t>(kMaxRecords)) {
      refuse(text(Text::HullTooManyPoints, {name, std::to_string(kMaxRecords - 1)}), 0);
    }
    for (std::size_t j = 0; j < given.z.size(); ++j) {
      const std::string record = recordName(curve, static_cast<int>(j) + 1);
      for (const auto& [field, number] :
           {std::pair{Text::HullHeight, given.z[j]}, std::pair{offsetName(station), given.y[j]},
            std::pair{Text::HullCode, given.code[j]}}) {
        if (const auto problem = numberProblem(record + std::string(text(field)), number)) {
          refuse(*problem, 0);
        }
      }
      if (!isWholeCode(given.code[j])) {
        refuse(codeProblemText(record, shortestNumberText(given.code[j])), 0);
      }
      if (given.code[j] == kEndOfCurve || given.code[j] == kEndOfStations) {
        refuse(text(Text::HullCodeIsTerminator, {record}), 0);
      }
      curve.z.push_back(given.z[j]);
      curve.y.push_back(given.y[j]);
      curve.code.push_back(given.code[j]);
      curve.line.push_back(0);
    }
  };
  for (int i = 1; i <= stationCount; ++i) {
    const StationValues& station = values.stations[static_cast<std::size_t>(i - 1)];
    if (const auto problem = numberProblem(stationPositionName(i), station.x)) refuse(*problem, 0);
    stationX.push_back(station.x);
    take(stationName(i), station.curve, true);
  }
  take(std::string(text(Text::HullSternContour)), values.stern, false);
  take(std::string(text(Text::HullBowContour)), values.bow, false);
  return checkedHull(curves, stationX, std::vector<int>(stationX.size(), 0), refuse);
}

}  // namespace norvika
