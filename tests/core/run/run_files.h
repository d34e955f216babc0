#pragma once

// Builds task and hull files in a fresh temporary directory for the tests of
// the run.

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/task_layout.h"

namespace norvika::testing {

/// A temporary run directory, removed with its contents at the end of a test.
class RunDirectory {
 public:
  RunDirectory() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("norvika-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~RunDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

  void write(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

 private:
  std::filesystem::path path_;
};

/// The run directories of the shipped examples that norvika runs (those of
/// norvika-hydrostatics and norvika-stability have their own tests), sorted.
inline std::vector<std::filesystem::path> runExamples(const std::filesystem::path& sourceDir) {
  std::vector<std::filesystem::path> found;
  for (const auto& hull : std::filesystem::directory_iterator(sourceDir / "examples")) {
    if (!hull.is_directory()) continue;
    for (const auto& run : std::filesystem::directory_iterator(hull.path())) {
      if (std::filesystem::exists(run.path() / "Norvika.TSK") &&
          !std::filesystem::exists(run.path() / "norvika-hydrostatics.args") &&
          !std::filesystem::exists(run.path() / "norvika-stability.args")) {
        found.push_back(run.path());
      }
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

/// The shipped examples ("hull/run") whose run directory holds `argumentsFile`
/// (norvika-hydrostatics.args, norvika-stability.args), sorted.
inline std::vector<std::string> examplesWith(const std::filesystem::path& sourceDir,
                                             const std::string& argumentsFile) {
  std::vector<std::string> names;
  for (const auto& hull : std::filesystem::directory_iterator(sourceDir / "examples")) {
    if (!hull.is_directory()) continue;
    for (const auto& run : std::filesystem::directory_iterator(hull.path())) {
      if (std::filesystem::exists(run.path() / argumentsFile)) {
        names.push_back(hull.path().filename().string() + "/" + run.path().filename().string());
      }
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

/// The lines of a file: an example's arguments, one a line.
inline std::vector<std::string> fileLines(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

/// The bytes of a file, or "<missing>" when there is none: what a golden
/// record is compared with.
inline std::string recordedText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

/// Where `actual` first departs from the golden record `recorded`: its line number, the
/// frame that line belongs to (for a drawing record) and both lines; empty when they are the
/// same. A golden of thousands of lines is told by its first difference, not printed whole;
/// `git diff` after NORVIKA_UPDATE_GOLDEN=1 shows all of it.
inline std::string firstDifference(const std::string& actual, const std::string& recorded) {
  if (actual == recorded) return {};
  std::istringstream a(actual), r(recorded);
  std::string lineA, lineR, frame;
  for (int number = 1;; ++number) {
    const bool moreA = static_cast<bool>(std::getline(a, lineA));
    const bool moreR = static_cast<bool>(std::getline(r, lineR));
    if (moreR && lineR.rfind("frame ", 0) == 0) frame = lineR;
    if (moreA == moreR && (!moreA || lineA == lineR)) {
      if (!moreA) return "differs only in its last line's end";
      continue;
    }
    return "line " + std::to_string(number) + (frame.empty() ? "" : " (" + frame + ")") +
           "\n  recorded: " + (moreR ? lineR : "<end>") +
           "\n  now:      " + (moreA ? lineA : "<end>");
  }
}

/// A task file in the program's own layout: the hull file name, length,
/// divisions, density, the case, its values (`caseValues` as they stand, one
/// line each), then `equalLine`; every line ended by `eol`.
inline std::string taskText(const std::string& hullName, double length, double divisions,
                            double density, int caseNumber,
                            const std::vector<std::string>& caseValues,
                            const std::string& equalLine, const std::string& eol = "\n") {
  const auto shown = [](double v) {
    std::ostringstream s;
    s << v;
    return s.str();
  };
  return taskFileText(
      [&](TaskField field) -> std::vector<std::string> {
        switch (field) {
          case TaskField::HullFile:
            return {hullName};
          case TaskField::ShipLength:
            return {shown(length)};
          case TaskField::StationDivisions:
            return {shown(divisions)};
          case TaskField::WaterDensity:
            return {shown(density)};
          case TaskField::CaseNumber:
            return {std::to_string(caseNumber)};
          case TaskField::CaseValues:
            return caseValues;
          case TaskField::EqualSpacing:
            return {equalLine};
        }
        return {};
      },
      eol);
}

/// A box barge: `stations` equally spaced stations from 0 to length, each a
/// rectangle of half-breadth b and height depth; the contours stand at AP and FP.
inline std::string boxHullText(int stations, double length, double b, double depth) {
  std::ostringstream s;
  s << "BOX BARGE\n";
  for (int i = 0; i < stations; ++i) {
    s << length * i / (stations - 1) << "\n0, " << b << ", 1\n" << depth << ", " << b << ", 1\n";
    s << "0, 0, " << (i == stations - 1 ? 9999 : 99) << "\n";
  }
  s << "STERN\n0, 0, 1\n" << depth << ", 0, 1\n0, 0, 99\n";
  s << "BOW\n0, " << length << ", 1\n" << depth << ", " << length << ", 1\n0, 0, 99\n";
  return s.str();
}

}  // namespace norvika::testing
