#include "bounded_numbers.h"

#include "arrays.h"
#include "errors.h"
#include "support/input_file.h"
#include "text/text_format.h"

namespace norvika::python {

double checkedNumber(const TaskValue& value, const NumberArgument& given, const char* name) {
  const double number = numberOf(given.value, name);
  if (const auto problem = numberProblem(std::string(inCurrentLanguage(value.what)), number)) {
    raiseInputError(*problem);
  }
  if (const auto problem = valueProblem(value, number)) raiseInputError(*problem);
  return number;
}

double boundedNumber(const ValueBounds& bounds, const NumberArgument& given, const char* name) {
  const double number = numberOf(given.value, name);
  if (const auto problem = boundsProblem(bounds, number))
    raiseInputError(std::string(name) + ": " + *problem);
  return number;
}

std::optional<double> optionalBoundedNumber(const ValueBounds& bounds, const NumberArgument& given,
                                            const char* name) {
  if (given.value.is_none()) return std::nullopt;
  return boundedNumber(bounds, given, name);
}

std::vector<double> risingNumbersOf(const py::handle& given, const RisingList& list) {
  const std::string name = list.name;
  std::vector<double> values = numbersOf(given, name);
  if (values.empty()) raiseInputError(name + ": at least one " + list.noun + " was expected");
  if (values.size() > static_cast<std::size_t>(list.maxCount)) {
    raiseInputError(name + ": at most " + std::to_string(list.maxCount) + " " + name + ", got " +
                    std::to_string(values.size()));
  }
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (const auto problem = boundsProblem(*list.bounds, values[i]))
      raiseInputError(name + ": " + *problem);
    if (i > 0 && !(values[i] > values[i - 1])) {
      raiseInputError(name + ": the " + name + " must rise, " + shortestNumberText(values[i]) +
                      " follows a " + list.noun + " of " + formatFixed(values[i - 1], 1, 3) + " " +
                      list.unit);
    }
  }
  return values;
}

}  // namespace norvika::python
