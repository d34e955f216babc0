#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace norvika {

/// Called for each option of a command line with its name and, for an option
/// that takes one, its value; returns false, with the error set, to refuse it.
using OptionReader =
    std::function<bool(const std::string& name, const std::optional<std::string>& value)>;

/// Reads the options of a command line of the family's programs: "--name VALUE"
/// and "--name=VALUE" (and "-C DIR") for the names in `valued`, bare names for
/// the others, each handed to `read` in order. Refuses, with `error` set, a value
/// given to a bare name, a valued name without its value, an empty value, and
/// whatever `read` refuses. Returns whether the whole line was read.
bool readCommandLine(const std::vector<std::string>& args, const std::vector<std::string>& valued,
                     const OptionReader& read, std::string& error);

}  // namespace norvika
