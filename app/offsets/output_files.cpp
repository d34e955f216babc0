#include "output_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "hull_mesh.h"
#include "model/hull_data_file.h"
#include "support/atomic_file.h"
#include "support/named_output.h"
#include "support/run_end.h"

namespace norvika::offsets {

namespace {

std::string directoryOf(const std::filesystem::path& output) {
  const std::filesystem::path parent = output.parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

}  // namespace

void checkOutputPath(const std::filesystem::path& output, const std::filesystem::path& model,
                     const std::string& what) {
  const NamedOutput named = namedOutputPlace(output);
  if (named.refused()) throw OffsetsError(named.problem + "; not a place for the " + what);
  if (named.way == OutputWay::WriteThrough) return;
  const std::string name = output.string();
  const std::string directory = directoryOf(output);
  struct stat place {};
  if (::stat(directory.c_str(), &place) != 0) {
    throw OffsetsError(name + ": no such directory: " + directory);
  }
  if (!S_ISDIR(place.st_mode)) throw OffsetsError(name + ": " + directory + " is not a directory");
  if (::access(directory.c_str(), W_OK | X_OK) != 0) {
    throw OffsetsError(name + ": cannot write the " + what + " in " + directory + " (" +
                       std::strerror(errno) + ")");
  }
  struct stat target {};
  if (::lstat(output.c_str(), &target) != 0) return;
  struct stat input {};
  if (::stat(model.c_str(), &input) == 0 && input.st_dev == target.st_dev &&
      input.st_ino == target.st_ino) {
    throw OffsetsError(name + ": this is the model itself; name another file for the " + what);
  }
}

void checkTaskBesideHull(const std::filesystem::path& task, const std::filesystem::path& hull) {
  struct stat taskPlace {
  }, hullPlace{};
  if (::stat(directoryOf(task).c_str(), &taskPlace) != 0 ||
      ::stat(directoryOf(hull).c_str(), &hullPlace) != 0 || taskPlace.st_dev != hullPlace.st_dev ||
      taskPlace.st_ino != hullPlace.st_ino) {
    throw OffsetsError("--task: the task file must stand beside the hull file (in " +
                       directoryOf(hull) + "), where Norvika looks for the hull file it names");
  }
  if (task.filename() == hull.filename()) {
    throw OffsetsError("--task: names the hull file; the task file needs a name of its own");
  }
  const std::string name = hull.filename().string();
  if (name.find_first_of("\r\n") != std::string::npos || name.front() == ' ' ||
      name.back() == ' ' || name.front() == '\t' || name.back() == '\t') {
    throw OffsetsError("--task: a task file cannot name the hull file '" + name +
                       "' (blanks at its ends or a line break); choose another name for -o");
  }
}

HullModel readBackHullFile(const std::string& text, const std::filesystem::path& output) {
  try {
    return readHullDataText(text, output.filename().string());
  } catch (const ProgramEnd& end) {
    throw OffsetsError(
        output.string() +
        ": Norvika would reject this hull file, so it is not written: " + end.message());
  }
}

void publishOffsetsFiles(const ResultFile& hull, const ResultFile* task) {
  std::vector<const ResultFile*> files{&hull};
  if (task != nullptr) files.push_back(task);
  const auto fail = [&](const ResultFile& file, int error) {
    throw OffsetsError(file.path().string() + ": cannot write the " +
                           (&file == &hull ? "hull file" : "task file") + " (" +
                           std::strerror(error) + "); nothing written",
                       OffsetsStatus::WriteFailed);
  };
  // Files renamed into place are made first and renamed last, so that a
  // device written through in between (-o /dev/stdout) fails before any is.
  std::vector<std::unique_ptr<AtomicFile>> written(files.size());
  for (std::size_t k = 0; k < files.size(); ++k) {
    if (namedOutputPlace(files[k]->path()).way == OutputWay::WriteThrough) continue;
    written[k] = std::make_unique<AtomicFile>(files[k]->path());
    if (!written[k]->made() || !written[k]->write(files[k]->text())) {
      fail(*files[k], written[k]->error());
    }
  }
  for (std::size_t k = 0; k < files.size(); ++k) {
    if (written[k]) continue;
    if (!writeNamedOutput(files[k]->path(), OutputWay::WriteThrough, files[k]->text())) {
      fail(*files[k], errno);
    }
  }
  for (std::size_t k = 0; k < files.size(); ++k) {
    if (written[k] && !written[k]->commit()) fail(*files[k], written[k]->error());
  }
}

}  // namespace norvika::offsets
