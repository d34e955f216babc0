#include "model/task_values.h"

#include <algorithm>
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

bool isGiven(const GivenTask& task, const TaskValue& value) {
  return std::find(task.given.begin(), task.given.end(), value.field) != task.given.end();
}

// A value given in code: there, a number and what it must be.
double checkedValue(const GivenTask& task, const TaskValue& value) {
  const std::string what(inCurrentLanguage(value.what));
  if (!isGiven(task, value)) refuse(text(Text::InputValueMissing, {what}));
  const double number = task.numbers.*value.field;
  if (const auto problem = numberProblem(what, number)) refuse(*problem);
  if (const auto problem = valueProblem(value, number)) refuse(*problem);
  return takenValue(value, number);
}

}  // namespace

std::span<const TaskValue> caseValues(int caseNumber) { return caseProperties(caseNumber).values; }

bool caseTakes(int caseNumber, const TaskValue& value) {
  const std::span<const TaskValue> taken = caseValues(caseNumber);
  return std::any_of(taken.begin(), taken.end(),
                     [&](const TaskValue& v) { return v.field == value.field; });
}

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

void giveValue(GivenTask& task, const TaskValue& value, std::optional<double> number) {
  std::erase(task.given, value.field);
  if (!number) return;
  task.numbers.*value.field = *number;
  task.given.push_back(value.field);
}

GivenTask givenTaskOf(const TaskParameters& task) {
  GivenTask values{task, {}};
  for (const TaskValue& value : kShipValues) values.given.push_back(value.field);
  for (const TaskValue& value : caseValues(task.caseNumber)) values.given.push_back(value.field);
  return values;
}

TaskParameters taskFromValues(const GivenTask& given) {
  const TaskParameters& numbers = given.numbers;
  TaskParameters task;
  for (const TaskValue& value : kShipValues) task.*value.field = checkedValue(given, value);
  if (const auto problem =
          wholeNumberProblem(std::string(inCurrentLanguage(kCaseNumberName)), numbers.caseNumber, 1,
                             kCaseCount, std::to_string(numbers.caseNumber))) {
    refuse(*problem);
  }
  task.caseNumber = numbers.caseNumber;
  for (const TaskValue& value : caseValues(task.caseNumber)) {
    task.*value.field = checkedValue(given, value);
  }
  for (const TaskValue& value : kEveryCaseValue) {
    if (isGiven(given, value) && !caseTakes(task.caseNumber, value)) {
      refuse(text(Text::TaskValueNotTaken,
                  {inCurrentLanguage(value.what), std::to_string(task.caseNumber)}));
    }
  }
  for (const auto& [what, number] : {std::pair{kEqualStartName, numbers.equalStart},
                                     std::pair{kEqualEndName, numbers.equalEnd}}) {
    if (const auto problem = numberProblem(std::string(inCurrentLanguage(what)), number)) {
      refuse(*problem);
    }
  }
  if (const auto problem = equalPointCountProblem(numbers.equalPointCount)) refuse(*problem);
  if (const auto problem =
          equalRangeProblem(numbers.equalPointCount, numbers.equalStart, numbers.equalEnd)) {
    refuse(*problem);
  }
  task.equalPointCount = numbers.equalPointCount;
  task.equalStart = numbers.equalStart;
  task.equalEnd = numbers.equalEnd;
  return task;
}

}  // namespace norvika
