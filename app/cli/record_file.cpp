#include "cli/record_file.h"

#include <sys/stat.h>

#include <fstream>
#include <string>

#include "support/result_names.h"

namespace norvika {

namespace {

std::string firstBytes(const std::filesystem::path& file, std::size_t count) {
  std::ifstream in(file, std::ios::binary);
  std::string bytes(count, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(count));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

// A PDF written to its end closes with "%%EOF" (and perhaps a line end).
bool endsAsPdf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary | std::ios::ate);
  const std::streamoff size = in.tellg();
  if (!in || size < 16) return false;
  in.seekg(size - 16);
  std::string tail(16, '\0');
  in.read(tail.data(), 16);
  return firstBytes(file, 5) == "%PDF-" && tail.find("%%EOF") != std::string::npos;
}

NamedOutput refused(const std::string& problem) {
  return NamedOutput{OutputWay::Replace, problem, ExitReason::InputError};
}

}  // namespace

NamedOutput recordPlace(const std::filesystem::path& file) {
  for (const ResultName& result : kResultNames) {
    if (file.filename() == result.name) {
      return refused("--pdf would replace '" + file.string() + "', a result file of Norvika");
    }
  }
  const NamedOutput place = namedOutputPlace(file);
  if (place.refused() || place.way == OutputWay::WriteThrough) return place;
  struct stat status {};
  if (::lstat(file.c_str(), &status) == 0 && firstBytes(file, 5) != "%PDF-") {
    return refused("--pdf would replace '" + file.string() + "', which is not a PDF");
  }
  return place;
}

bool writeRecord(const std::filesystem::path& file, const NamedOutput& place,
                 const std::function<bool(const std::filesystem::path&)>& write) {
  return writeNamedOutput(file, place.way, [&](const std::filesystem::path& temporary) {
    return write(temporary) && endsAsPdf(temporary);
  });
}

}  // namespace norvika
