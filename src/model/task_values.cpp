#include "model/task_values.h"

#include <array>
#include <cmath>

#include "model/calculation_case.h"
#include "support/capacities.h"
#include "support/input_file.h"
#include "support/run_end.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

[[noreturn]] void refuse(const std::string& text) {
  throw ProgramEnd(ExitReason::InputError, text);
}

bool takes(std::span<const TaskValue> values, const TaskValue& value) {
  for (const TaskValue& v : values) {
    if (v.field == value.field) return true;
  }
  return false;
}

// A value given in code: there, a number and what it must be.
double checkedValue(const TaskValues& values, const TaskValue& value) {
  const std::optional<double>& given = values.*value.given;
  const std::string what(inCurrentLanguage(value.what));
  if (!given) refuse(text(Text::InputValueMissing, {what}));
  if (const auto problem = numberProblem(what, *given)) refuse(*problem);
  if (const auto problem = valueProblem(value, *given)) refuse(*problem);
  return takenValue(value, *given);
}

}  // namespace

std::span<const TaskValue> caseValues(int caseNumber) { return caseProperties(caseNumber).values; }

std::optional<std::string> valueProblem(const TaskValue& value, double number) {
  Text expectation = Text::TaskValuePositive;
  switch (value.bound) {
    case ValueBound::Any:
      return std::nullopt;
    case ValueBound::NotNegative:
      if (number >= 0.0) return std::nullopt;
      expectation = Text::TaskValueNotNegative;
      break;
    case ValueBound::Positive:
      if (number > 0.0) return std::nullopt;
      expectation = Text::TaskValuePositive;
      break;
    case ValueBound::UnderRightAngle:
      number = std::fabs(number);
      if (number < 90.0) return std::nullopt;
      expectation = Text::TaskValueUnderRightAngle;
      break;
  }
  return text(expectation, {inCurrentLanguage(value.what), formatFixed(number, 1, 3)});
}

double takenValue(const TaskValue& value, double number) {
  return value.bound == ValueBound::UnderRightAngle ? std::fabs(number) : number;
}

std::optional<std::string> equalPointCountProblem(int count) {
  if (count == 0 || (count >= 2 && count <= kMaxEqualPoints)) return std::nullopt;
  return text(Text::TaskEqualPointCount, {inCurrentLanguage(kEqualPointCountName),
                                          std::to_string(kMaxEqualPoints), std::to_string(count)});
}

std::optional<std::string> equalRangeProblem(int count, double start, double end) {
  if (count <= 1 || end > start) return std::nullopt;
  return text(Text::TaskEqualRange, {formatFixed(start, 1, 3), formatFixed(end, 1, 3)});
}

TaskParameters taskFromValues(const TaskValues& values) {
  TaskParameters task;
  for (const TaskValue& value : {kShipLengthValue, kStationDivisionsValue, kWaterDensityValue}) {
    task.*value.field = checkedValue(values, value);
  }
  if (const auto problem =
          wholeNumberProblem(std::string(inCurrentLanguage(kCaseNumberName)), values.caseNumber, 1,
                             kCaseCount, std::to_string(values.caseNumber))) {
    refuse(*problem);
  }
  task.caseNumber = values.caseNumber;
  const std::span<const TaskValue> taken = caseValues(task.caseNumber);
  for (const TaskValue& value : taken) task.*value.field = checkedValue(values, value);
  for (const TaskValue& value : kEveryCaseValue) {
    if ((values.*value.given).has_value() && !takes(taken, value)) {
      refuse(text(Text::TaskValueNotTaken,
                  {inCurrentLanguage(value.what), std::to_string(task.caseNumber)}));
    }
  }
  for (const auto& [what, number] :
       {std::pair{kEqualStartName, values.equalStart}, std::pair{kEqualEndName, values.equalEnd}}) {
    if (const auto problem = numberProblem(std::string(inCurrentLanguage(what)), number)) {
      refuse(*problem);
    }
  }
  if (const auto problem = equalPointCountProblem(values.equalPointCount)) refuse(*problem);
  if (const auto problem =
          equalRangeProblem(values.equalPointCount, values.equalStart, values.equalEnd)) {
    refuse(*problem);
  }
  task.equalPointCount = values.equalPointCount;
  task.equalStart = values.equalStart;
  task.equalEnd = values.equalEnd;
  return task;
}

}  // namespace norvika
