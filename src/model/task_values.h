#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>

#include "model/task_parameters.h"
#include "words/language.h"

namespace norvika {

/// The values of a task given in code instead of a task file: lengths in m,
/// displacement in t, density in t/m3, heel in degrees. A value not given is
/// absent; a case takes exactly the values its line of the file holds.
struct TaskValues {
  std::optional<double> shipLength;
  std::optional<double> stationDivisions;
  std::optional<double> waterDensity;
  int caseNumber = 0;
  std::optional<double> requiredDisplacement;
  std::optional<double> initialDraft;
  std::optional<double> waveHeight;
  std::optional<double> waveLengthRatio;
  std::optional<double> forwardDraft;
  std::optional<double> aftDraft;
  std::optional<double> heelAngle;
  int equalPointCount = 0;
  double equalStart = 0.0;
  double equalEnd = 0.0;
};

/// What a value of the task must be.
enum class ValueBound { Any, NotNegative, Positive, UnderRightAngle };

/// A value of the task: how messages name it in each language, where the task
/// keeps it, where code gives it and what it must be.
struct TaskValue {
  Words what;
  double TaskParameters::*field;
  std::optional<double> TaskValues::*given;
  ValueBound bound;
};

inline constexpr TaskValue kShipLengthValue{{"GEMI BOYU", "SHIP LENGTH"},
                                            &TaskParameters::shipLength,
                                            &TaskValues::shipLength,
                                            ValueBound::Positive};
inline constexpr TaskValue kStationDivisionsValue{
    {"POSTA ARALIGI SAYISI", "NUMBER OF STATION INTERVALS"},
    &TaskParameters::stationDivisions,
    &TaskValues::stationDivisions,
    ValueBound::Any};
inline constexpr TaskValue kWaterDensityValue{{"SU YOGUNLUGU", "WATER DENSITY"},
                                              &TaskParameters::waterDensity,
                                              &TaskValues::waterDensity,
                                              ValueBound::Positive};

/// The task's other values, as messages name them.
inline constexpr Words kHullFileName{"GEMI FORM DOSYASININ ADI", "HULL FILE NAME"};
inline constexpr Words kCaseNumberName{"HESAP NO", "CASE NUMBER"};
inline constexpr Words kEqualPointCountName{"ESIT ARALIKLI NOKTA SAYISI",
                                            "NUMBER OF EQUALLY SPACED POINTS"};
inline constexpr Words kEqualStartName{"ESIT ARALIKLI ILK NOKTA", "FIRST EQUALLY SPACED POINT"};
inline constexpr Words kEqualEndName{"ESIT ARALIKLI SON NOKTA", "LAST EQUALLY SPACED POINT"};

/// The values of the cases.
inline constexpr TaskValue kRequiredDisplacement{{"ISTENEN DEPLASMAN", "REQUIRED DISPLACEMENT"},
                                                 &TaskParameters::requiredDisplacement,
                                                 &TaskValues::requiredDisplacement,
                                                 ValueBound::Any};
inline constexpr TaskValue kInitialDraft{{"BASLANGIC DRAFTI", "INITIAL DRAFT"},
                                         &TaskParameters::initialDraft,
                                         &TaskValues::initialDraft,
                                         ValueBound::NotNegative};
inline constexpr TaskValue kWaveHeight{{"DALGA YUKSEKLIGI", "WAVE HEIGHT"},
                                       &TaskParameters::waveHeight,
                                       &TaskValues::waveHeight,
                                       ValueBound::NotNegative};
inline constexpr TaskValue kWaveLengthRatio{{"DALGA BOYU / GEMI BOYU", "WAVE LENGTH / SHIP LENGTH"},
                                            &TaskParameters::waveLengthRatio,
                                            &TaskValues::waveLengthRatio,
                                            ValueBound::Positive};
inline constexpr TaskValue kForwardDraft{{"BAS DRAFT", "FORWARD DRAFT"},
                                         &TaskParameters::forwardDraft,
                                         &TaskValues::forwardDraft,
                                         ValueBound::Any};
inline constexpr TaskValue kAftDraft{
    {"KIC DRAFT", "AFT DRAFT"}, &TaskParameters::aftDraft, &TaskValues::aftDraft, ValueBound::Any};
inline constexpr TaskValue kHeelAngle{{"MEYIL ACISI", "HEEL ANGLE"},
                                      &TaskParameters::heelAngle,
                                      &TaskValues::heelAngle,
                                      ValueBound::UnderRightAngle};

/// The values each kind of case takes, in the order its line of the task file holds them.
inline constexpr std::array kLevelValues{kRequiredDisplacement, kInitialDraft};
inline constexpr std::array kWaveValues{kRequiredDisplacement, kInitialDraft, kWaveHeight,
                                        kWaveLengthRatio};
inline constexpr std::array kTrimmedValues{kForwardDraft, kAftDraft};
inline constexpr std::array kHeeledValues{kForwardDraft, kAftDraft, kHeelAngle};
// Every value a case may take, for the check that none is given that the case does not take.
inline constexpr std::array kEveryCaseValue{
    kRequiredDisplacement, kInitialDraft, kWaveHeight, kWaveLengthRatio,
    kForwardDraft,         kAftDraft,     kHeelAngle};

/// The values case 1-7 takes, in the order its line of the task file holds them.
std::span<const TaskValue> caseValues(int caseNumber);

/// Why `number` cannot stand for `value` (the message without file and line,
/// "GEMI BOYU POZITIF OLMALI, -5.000 OKUNDU"), in the thread's language; none
/// when it can.
std::optional<std::string> valueProblem(const TaskValue& value, double number);

/// The number as the task keeps it: a heel angle as its size (the ship
/// always heels towards the side the calculation calls sinking).
double takenValue(const TaskValue& value, double number);

/// Why the count of equally spaced points cannot be (0, or 2 to kMaxEqualPoints); none when it can.
std::optional<std::string> equalPointCountProblem(int count);

/// Why `count` equally spaced points cannot run from `start` to `end` (m from
/// AP): the last must lie beyond the first; none when they can.
std::optional<std::string> equalRangeProblem(int count, double start, double end);

/// The task of `values`, checked as the task file's values are checked, with
/// the same messages (without file and line); a value the case does not take,
/// or one it takes left out, is rejected too. Ends the run (InputError, no
/// place) at the first problem. No hull file name and no directory: the hull
/// is given beside the task.
TaskParameters taskFromValues(const TaskValues& values);

}  // namespace norvika
