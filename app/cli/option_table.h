#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/value_bounds.h"

namespace norvika {

/// What an option of a command line takes.
enum class OptionValue {
  None,    // a flag: "--batch"
  Text,    // a path, a list, a word: checked by the program
  Number,  // a decimal number within its bounds
};

/// One option of a program's command line, described once: the parser, the
/// --help text and the manual page (made from --help) all come from it.
struct OptionRow {
  std::string_view name;       // "--density", "-C", "-o"
  std::string_view valueName;  // "RHO" in the help; empty for a flag
  OptionValue value = OptionValue::None;
  const ValueBounds* bounds = nullptr;  // a Number's range and wording
  /// The help text; each '\n' starts a new line under the first, and
  /// "{range}" stands for the bounds' range ("0.5 to 2"). An option without
  /// help ("-h" beside "--help") is left out of the help text.
  std::string_view help;
};

/// A command line read against a program's table.
struct ParsedOptions {
  struct Given {
    const OptionRow* row;
    std::string text;  // the value as given; empty for a flag
    double number = 0.0;
  };
  std::vector<Given> given;           // in the order given
  std::vector<std::string> operands;  // arguments that are no option

  /// The option named so, when given.
  const Given* find(std::string_view name) const;
  bool has(std::string_view name) const { return find(name) != nullptr; }
};

/// Reads `args` against `table`: "--name VALUE", "--name=VALUE" (and "-C DIR"),
/// flags and operands. Refuses, with `error` set ("--density: expected a water
/// density from 0.5 to 2 t/m3 (1.025 for sea water), got '1025'"), an unknown
/// option, one given twice, a flag given a value, a missing or empty value and
/// a number outside its bounds.
std::optional<ParsedOptions> parseOptionTable(std::span<const OptionRow> table,
                                              const std::vector<std::string>& args,
                                              std::string& error);

/// The options' part of a help text: each option, its value's name and its
/// help, aligned, one line each and more for a long help.
std::string optionHelp(std::span<const OptionRow> table);

/// The exit statuses' part of a help text, "Exit status: 0 ..., 1 ...", from
/// the one description of the run's endings, for the statuses `statuses`.
std::string exitStatusHelp(std::span<const int> statuses);

}  // namespace norvika
