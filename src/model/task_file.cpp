#include "model/task_file.h"

#include <string>

#include "model/calculation_case.h"
#include "model/task_layout.h"
#include "model/task_values.h"
#include "support/input_file.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

constexpr const char* kTaskFileName = "Norvika.TSK";

std::string trimmedName(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

void skipLines(InputFile& file, int count) {
  for (int i = 0; i < count; ++i) file.readLine(std::string(text(Text::TaskLabelLine)));
}

// A line of nothing but numbers (separated by commas or blanks).
bool holdsOnlyNumbers(const std::string& line) {
  std::string field;
  bool any = false;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    const char c = i < line.size() ? line[i] : ',';
    if (c == ',' || c == ' ' || c == '\t') {
      if (!field.empty() && !isPlainNumber(field)) return false;
      any = any || !field.empty();
      field.clear();
    } else {
      field.push_back(c);
    }
  }
  return any;
}

// A decimal comma splits "10,5" into two values, the second of which would
// silently shift every later line; the hint says how to write it.
std::string decimalPointHint(const std::string& value, const std::string& rest) {
  const std::string tail = trimmedName(rest.substr(1));
  if (isPlainNumber(value) && !tail.empty() &&
      tail.find_first_not_of("0123456789") == std::string::npos) {
    return text(Text::TaskDecimalPoint, {"'" + value + "." + tail + "'"});
  }
  return "";
}

// The value just read was the last one its line may hold: nothing but blanks
// may follow it there.
void expectLineEnd(InputFile& file, const Words& what) {
  const std::string rest = file.restOfLine();
  if (rest.empty()) return;
  const std::string value(file.lastText());
  file.reject(
      text(Text::TaskNoMoreNumbers, {inCurrentLanguage(what), quotedForMessage(value + rest)}) +
          decimalPointHint(value, rest),
      file.lastLine());
}

// After the case's values come label lines. A label of bare numbers there
// means the values were read from fewer lines than written, as when a decimal
// comma makes two values of one ("6,5" read as 6 and 5, the next value left over).
void expectLabelAfterCaseValues(InputFile& file, int firstValueLine) {
  const std::string next = file.peekLine();
  if (file.restOfLine().empty() && holdsOnlyNumbers(next)) {
    file.reject(text(Text::TaskLabelAfterCaseValues,
                     {std::to_string(file.line()), quotedForMessage(trimmedName(next))}),
                firstValueLine);
  }
}

// Reads one value and checks it; the message names the line the value stood on.
double readTaskValue(InputFile& file, const TaskValue& value) {
  const double number = file.readValue(std::string(inCurrentLanguage(value.what)));
  if (const auto problem = valueProblem(value, number)) file.reject(*problem, file.lastLine());
  return takenValue(value, number);
}

void readCaseValues(InputFile& file, TaskParameters& task) {
  const int firstValueLine = file.line();
  const std::span<const TaskValue> values = caseValues(task.caseNumber);
  for (const TaskValue& value : values) task.*value.field = readTaskValue(file, value);
  expectLineEnd(file, values.back().what);
  expectLabelAfterCaseValues(file, firstValueLine);
}

void readEqualSpacing(InputFile& file, TaskParameters& task) {
  task.equalPointCount =
      file.readWholeValue(std::string(inCurrentLanguage(kEqualPointCountName)), -32768, 32767);
  const int countLine = file.lastLine();
  task.equalLine = countLine;
  task.equalStart = file.readValue(std::string(inCurrentLanguage(kEqualStartName)));
  task.equalEnd = file.readValue(std::string(inCurrentLanguage(kEqualEndName)));
  expectLineEnd(file, kEqualEndName);
  if (const auto problem = equalPointCountProblem(task.equalPointCount)) {
    file.reject(*problem, countLine);
  }
  if (const auto problem =
          equalRangeProblem(task.equalPointCount, task.equalStart, task.equalEnd)) {
    file.reject(*problem, file.lastLine());
  }
}

// A value of the ship on a line of its own.
void readShipValue(InputFile& file, TaskParameters& task, const TaskValue& value) {
  task.*value.field = readTaskValue(file, value);
  expectLineEnd(file, value.what);
}

// The field at the reader's line, into the task.
void readField(InputFile& file, TaskField field, TaskParameters& task) {
  switch (field) {
    case TaskField::HullFile:
      task.hullLine = file.line();
      task.hullFileName = trimmedName(file.readLine(std::string(inCurrentLanguage(kHullFileName))));
      if (task.hullFileName.empty()) {
        file.reject(text(Text::InputEmptyLine, {inCurrentLanguage(kHullFileName)}), task.hullLine);
      }
      return;
    case TaskField::ShipLength:
      return readShipValue(file, task, kShipLengthValue);
    case TaskField::StationDivisions:
      return readShipValue(file, task, kStationDivisionsValue);
    case TaskField::WaterDensity:
      return readShipValue(file, task, kWaterDensityValue);
    case TaskField::CaseNumber:
      task.caseNumber =
          file.readWholeValue(std::string(inCurrentLanguage(kCaseNumberName)), 1, kCaseCount);
      return expectLineEnd(file, kCaseNumberName);
    case TaskField::CaseValues:
      return readCaseValues(file, task);
    case TaskField::EqualSpacing:
      return readEqualSpacing(file, task);
  }
}

TaskParameters readTask(const std::filesystem::path& path, const std::string& displayName) {
  TaskParameters task;
  task.file = path;
  // The directory is taken exactly as given: "DIR " is not "DIR".
  task.directoryPrefix = path.parent_path().string();
  if (task.directoryPrefix.empty() || task.directoryPrefix.back() != '/') {
    task.directoryPrefix += '/';
  }

  InputFile file(path, displayName);
  int labels = 0;  // labels since the last field
  for (const TaskLayoutLine& line : taskLayout()) {
    if (!line.isField) {
      ++labels;
      continue;
    }
    skipLines(file, labels);
    labels = 0;
    readField(file, line.field, task);
  }
  return task;
}

}  // namespace

TaskParameters readTaskFile(const std::filesystem::path& directory) {
  return readTask(std::filesystem::absolute(directory).lexically_normal() / kTaskFileName,
                  kTaskFileName);
}

TaskParameters readTaskFileAt(const std::filesystem::path& path) {
  const std::filesystem::path file = std::filesystem::absolute(path).lexically_normal();
  return readTask(file, file.filename().string());
}

}  // namespace norvika
