#pragma once

#include <filesystem>
#include <string>

namespace norvika {

/// Calculation cases of the task file.
enum CalculationCase : int {
  kLevelWaterline = 1,
  kTrochoidCrest = 2,
  kTrochoidTrough = 3,
  kSineCrest = 4,
  kSineTrough = 5,
  kTrimmedWaterline = 6,
  kDamagedHeeled = 7,
};

/// The values of the task file Norvika.TSK. Lengths in metres, displacement in
/// tonnes, density in t/m3, heel in degrees.
struct TaskParameters {
  std::string hullFileName;
  int hullLine = 0;  // line of the task file that names the hull file
  double shipLength = 0.0;
  double stationDivisions = 0.0;
  double waterDensity = 0.0;
  int caseNumber = 0;
  double requiredDisplacement = 0.0;
  double initialDraft = 0.0;
  double waveHeight = 0.0;
  double waveLengthRatio = 0.0;
  double forwardDraft = 0.0;
  double aftDraft = 0.0;
  double heelAngle = 0.0;  // absolute value of what the file holds
  int equalPointCount = 0;
  double equalStart = 0.0;
  double equalEnd = 0.0;
  int equalLine = 0;  // line of the task file that holds the three values above
  /// Run directory followed by the path separator; every file is opened under it.
  std::string directoryPrefix;
  /// The task file it was read from; empty for a task made in code.
  std::filesystem::path file;
};

}  // namespace norvika
