#include "cli/option_table.h"

#include <algorithm>

#include "support/run_end.h"

namespace norvika {

namespace {

const OptionRow* rowNamed(std::span<const OptionRow> table, std::string_view name) {
  for (const OptionRow& row : table) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

std::string helpText(const OptionRow& row) {
  std::string text(row.help);
  if (const auto at = text.find("{range}"); at != std::string::npos && row.bounds != nullptr) {
    text.replace(at, 7, rangeText(*row.bounds));
  }
  return text;
}

}  // namespace

const ParsedOptions::Given* ParsedOptions::find(std::string_view name) const {
  for (const Given& g : given) {
    if (g.row->name == name) return &g;
  }
  return nullptr;
}

std::optional<ParsedOptions> parseOptionTable(std::span<const OptionRow> table,
                                              const std::vector<std::string>& args,
                                              std::string& error) {
  ParsedOptions parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::optional<std::string> value;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
    }
    if (name.size() < 2 || name.front() != '-') {
      parsed.operands.push_back(args[i]);
      continue;
    }
    const OptionRow* row = rowNamed(table, name);
    if (row == nullptr) {
      error = "unknown option '" + name + "' (see --help)";
      return std::nullopt;
    }
    if (parsed.has(row->name)) {
      error = name + ": given twice; give each option once";
      return std::nullopt;
    }
    if (row->value == OptionValue::None) {
      if (value) {
        error = name + " takes no value";
        return std::nullopt;
      }
      parsed.given.push_back({row, "", 0.0});
      continue;
    }
    if (!value) {
      if (i + 1 >= args.size()) {
        error = name + " needs a value";
        return std::nullopt;
      }
      value = args[++i];
    }
    if (value->empty()) {
      error = name + " needs a non-empty value";
      return std::nullopt;
    }
    double number = 0.0;
    if (row->value == OptionValue::Number) {
      if (const auto problem = boundsProblem(*row->bounds, *value, number)) {
        error = name + ": " + *problem;
        return std::nullopt;
      }
    }
    parsed.given.push_back({row, *value, number});
  }
  return parsed;
}

std::string optionHelp(std::span<const OptionRow> table) {
  constexpr std::size_t kHelpColumn = 19;
  std::string text;
  for (const OptionRow& row : table) {
    if (row.help.empty()) continue;
    std::string head = "  " + std::string(row.name);
    if (!row.valueName.empty()) head += " " + std::string(row.valueName);
    const std::string help = helpText(row);
    std::size_t start = 0;
    bool first = true;
    for (;;) {
      const std::size_t end = help.find('\n', start);
      const std::string line = help.substr(start, end - start);
      if (first && head.size() < kHelpColumn) {
        text += head + std::string(kHelpColumn - head.size(), ' ') + line + "\n";
      } else {
        if (first) text += head + "\n";
        text += std::string(kHelpColumn, ' ') + line + "\n";
      }
      first = false;
      if (end == std::string::npos) break;
      start = end + 1;
    }
  }
  return text;
}

std::string exitStatusHelp(std::span<const int> statuses) {
  std::string words = "Exit status:";
  for (std::size_t k = 0; k < statuses.size(); ++k) {
    words += (k == 0 ? " " : "; ") + std::to_string(statuses[k]) + " " +
             exitReasonText(static_cast<ExitReason>(statuses[k]));
  }
  words += ".";
  // Wrapped at the help's width.
  constexpr std::size_t kWidth = 88;
  std::string text;
  std::size_t lineStart = 0;
  std::size_t word = 0;
  while (word < words.size()) {
    std::size_t end = words.find(' ', word);
    if (end == std::string::npos) end = words.size();
    if (end - lineStart > kWidth && word > lineStart) {
      text += words.substr(lineStart, word - 1 - lineStart) + "\n";
      lineStart = word;
    }
    word = end + 1;
  }
  return text + words.substr(lineStart) + "\n";
}

}  // namespace norvika
