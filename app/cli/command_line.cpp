#include "cli/command_line.h"

#include <algorithm>

namespace norvika {

bool readCommandLine(const std::vector<std::string>& args, const std::vector<std::string>& valued,
                     const OptionReader& read, std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::optional<std::string> value;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
    }
    const bool takesValue = std::find(valued.begin(), valued.end(), name) != valued.end();
    if (!takesValue && value) {
      error = name + " takes no value";
      return false;
    }
    if (takesValue && !value) {
      if (i + 1 >= args.size()) {
        error = name + " needs a value";
        return false;
      }
      value = args[++i];
    }
    if (takesValue && value->empty()) {
      error = name + " needs a non-empty value";
      return false;
    }
    if (!read(name, value)) return false;
  }
  return true;
}

}  // namespace norvika
