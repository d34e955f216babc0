#pragma once

#include <string>
#include <string_view>

namespace norvika {

/// A user's text (a title line, a file name) as a report holds it, in ASCII:
/// the Turkish letters, in UTF-8 or in the Windows Turkish code page, as the
/// program's own texts write them (Ğ as G, ı and İ as I or i, ...), every
/// other character outside printable ASCII as one '?'.
std::string asciiReportText(std::string_view text);

}  // namespace norvika
