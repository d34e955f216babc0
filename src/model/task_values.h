#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/task_parameters.h"
#include "words/language.h"

namespace norvika {

/// What a value of the task must be.
enum class ValueBound { Any, NotNegative, Positive, UnderRightAngle };

/// A value of the task: how messages name it in each language, the keyword code
/// gives it by, where the task keeps it and what it must be.
struct TaskValue {
  Words what;
  const char* keyword;  // "initial_draft"
  double TaskParameters::*field;
  ValueBound bound;
};

inline constexpr TaskValue kShipLengthValue{
    {"GEMI BOYU", "SHIP LENGTH"}, "ship_length", &TaskParameters::shipLength, ValueBound::Positive};
inline constexpr TaskValue kStationDivisionsValue{
    {"POSTA ARALIGI SAYISI", "NUMBER OF STATION INTERVALS"},
    "station_divisions",
    &TaskParameters::stationDivisions,
    ValueBound::Any};
inline constexpr TaskValue kWaterDensityValue{{"SU YOGUNLUGU", "WATER DENSITY"},
                                              "density",
                                              &TaskParameters::waterDensity,
                                              ValueBound::Positive};

/// The ship's values, in the order the task file holds them.
inline constexpr std::array kShipValues{kShipLengthValue, kStationDivisionsValue,
                                        kWaterDensityValue};

/// The task's other values, as messages name them.
inline constexpr Words kHullFileName{"GEMI FORM DOSYASININ ADI", "HULL FILE NAME"};
inline constexpr Words kCaseNumberName{"HESAP NO", "CASE NUMBER"};
inline constexpr Words kEqualPointCountName{"ESIT ARALIKLI NOKTA SAYISI",
                                            "NUMBER OF EQUALLY SPACED POINTS"};
inline constexpr Words kEqualStartName{"ESIT ARALIKLI ILK NOKTA", "FIRST EQUALLY SPACED POINT"};
inline constexpr Words kEqualEndName{"ESIT ARALIKLI SON NOKTA", "LAST EQUALLY SPACED POINT"};

/// The values of the cases.
inline constexpr TaskValue kRequiredDisplacement{{"ISTENEN DEPLASMAN", "REQUIRED DISPLACEMENT"},
                                                 "displacement",
                                                 &TaskParameters::requiredDisplacement,
                                                 ValueBound::Any};
inline constexpr TaskValue kInitialDraft{{"BASLANGIC DRAFTI", "INITIAL DRAFT"},
                                         "initial_draft",
                                         &TaskParameters::initialDraft,
                                         ValueBound::NotNegative};
inline constexpr TaskValue kWaveHeight{{"DALGA YUKSEKLIGI", "WAVE HEIGHT"},
                                       "wave_height",
                                       &TaskParameters::waveHeight,
                                       ValueBound::NotNegative};
inline constexpr TaskValue kWaveLengthRatio{{"DALGA BOYU / GEMI BOYU", "WAVE LENGTH / SHIP LENGTH"},
                                            "wave_length_ratio",
                                            &TaskParameters::waveLengthRatio,
                                            ValueBound::Positive};
inline constexpr TaskValue kForwardDraft{{"BAS DRAFT", "FORWARD DRAFT"},
                                         "forward_draft",
                                         &TaskParameters::forwardDraft,
                                         ValueBound::Any};
inline constexpr TaskValue kAftDraft{
    {"KIC DRAFT", "AFT DRAFT"}, "aft_draft", &TaskParameters::aftDraft, ValueBound::Any};
inline constexpr TaskValue kHeelAngle{{"MEYIL ACISI", "HEEL ANGLE"},
                                      "heel_angle",
                                      &TaskParameters::heelAngle,
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

/// Whether case 1-7 takes `value`.
bool caseTakes(int caseNumber, const TaskValue& value);

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

/// A task given in code instead of a task file: its numbers (lengths in m,
/// displacement in t, density in t/m3, heel in degrees) and, of the values of
/// the rows, which were given, by their fields; one not given is left out.
struct GivenTask {
  TaskParameters numbers;
  std::vector<double TaskParameters::*> given;
};

/// Gives `number` for `value`, or leaves the value out (none).
void giveValue(GivenTask& task, const TaskValue& value, std::optional<double> number);

/// The task as given in code: the ship's values and those its case takes.
GivenTask givenTaskOf(const TaskParameters& task);

/// The task `given`, checked as the task file's values are checked, with the
/// same messages (without file and line); a value the case does not take, or
/// one it takes left out, is rejected too. Ends the run (InputError, no place)
/// at the first problem. No hull file name and no directory: the hull is given
/// beside the task.
TaskParameters taskFromValues(const GivenTask& given);

}  // namespace norvika
