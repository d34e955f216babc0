#include "cli/run_places.h"

#include <string>
#include <system_error>

#include "cli/options.h"
#include "cli/record_file.h"
#include "support/run_end.h"

namespace fs = std::filesystem;

namespace norvika {

int checkRunPlaces(const char* program, const fs::path& directory,
                   const std::optional<fs::path>& plots, const std::optional<fs::path>& pdf,
                   bool canDraw, std::ostream& err) {
  constexpr int kInputError = static_cast<int>(ExitReason::InputError);
  const std::string heading = std::string(program) + ": ";
  if (const std::string problem = runDirectoryProblem(directory); !problem.empty()) {
    err << heading << problem << "\n";
    return kInputError;
  }
  if ((plots || pdf) && !canDraw) {
    err << heading
        << "--plots and --pdf need the desktop program norvika-qt, which this build "
           "does not have\n";
    return kInputError;
  }
  if (plots) {
    const fs::path place = absolutePath(*plots);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(place, ec)) && !fs::is_directory(place, ec)) {
      err << heading << "--plots: " << quotedPath(place) << " is not a directory\n";
      return kInputError;
    }
  }
  if (pdf) {
    const NamedOutput place = recordPlace(absolutePath(*pdf));
    if (place.refused()) {
      err << heading << place.problem << "\n";
      return static_cast<int>(place.refusal);
    }
  }
  return 0;
}

}  // namespace norvika
