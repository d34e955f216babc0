#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace norvika {

/// The text with A-Z turned into a-z and every other byte kept. Never the
/// process locale's folding: a Turkish locale folds 'I' to a dotless i, which
/// is no ASCII letter, and "NORVIKA.AGR" would no longer match "Norvika.AGR".
std::string asciiLowerCase(std::string_view text);

/// Whether two names are equal but for the case of their ASCII letters.
bool equalIgnoringAsciiCase(std::string_view a, std::string_view b);

/// The file `name` of a run directory (files made on Windows come in any
/// case): `directory / name` when an entry stands there, a link too, even one
/// that leads nowhere (reading it then says why it cannot be read); else the
/// entry of that directory whose name matches ignoring ASCII case (the
/// first by name of several); else
/// `directory / name`, which does not exist.
std::filesystem::path findIgnoringCase(const std::filesystem::path& directory,
                                       const std::string& name);

/// Whether anything stands at `path`, a link that leads nowhere included.
bool entryExists(const std::filesystem::path& path);

}  // namespace norvika
