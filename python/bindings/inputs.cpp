#include "inputs.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "arrays.h"
#include "errors.h"
#include "language_argument.h"
#include "model/hull_data_file.h"
#include "model/task_file.h"
#include "model/task_values.h"
#include "numbers.h"
#include "paths.h"
#include "support/capacities.h"
#include "support/file_names.h"
#include "task_keywords.h"
#include "words/language.h"

namespace norvika::python {

namespace {

Task taskOf(const GivenTask& values) {
  return Task{readingInput([&] { return taskFromValues(values); })};
}

// Task(): one argument for each of Task's keywords, then the language.
template <std::size_t... I>
void defineTaskFromValues(py::class_<Task>& task, std::index_sequence<I...>) {
  task.def(py::init([](const KeywordArgument<I>&... given, const py::object& language) {
             const LanguageScope texts(languageOf(language));
             GivenTask values;
             (setKeyword(values, kTaskKeywords[I], given.value), ...);
             return taskOf(values);
           }),
           py::kw_only(), keywordArgument<I>()..., py::arg("language") = "tr",
           "A task from values (see the class); raises InputError when the task file could not "
           "hold them, its message in `language`, \"tr\" or \"en\".");
}

Task replaced(const Task& task, const py::object& language, const py::kwargs& changes) {
  const LanguageScope texts(languageOf(language));
  GivenTask values = givenTaskOf(task.parameters);
  for (const auto& [name, value] : changes) {
    setKeyword(values, taskKeywordNamed(py::cast<std::string>(name), "Task.replace()"), value);
  }
  return taskOf(values);
}

// Everything a task holds, the file it came from too (names as bytes: a
// directory's name need not be UTF-8): what it is pickled as and compared by.
py::tuple stateOf(const Task& task) {
  const TaskParameters& t = task.parameters;
  py::list state;
  for (const TaskKeyword& keyword : kTaskKeywords) state.append(storedValue(t, keyword));
  state.append(t.equalLine);
  state.append(py::bytes(t.hullFileName));
  state.append(py::bytes(t.directoryPrefix));
  state.append(py::bytes(t.file.string()));
  return py::tuple(state);
}

// A pickled task, checked again as a task made in code is, with the names of
// the files it came from.
Task taskOfState(const py::tuple& state) {
  constexpr std::size_t n = kTaskKeywords.size();
  if (state.size() != n + 4) throw py::value_error("a pickled state of a Task was expected");
  TaskParameters t;
  for (std::size_t i = 0; i < n; ++i) storeValue(t, kTaskKeywords[i], state[i]);
  Task task = taskOf(givenTaskOf(t));
  task.parameters.equalLine = state[n].cast<int>();
  task.parameters.hullFileName = state[n + 1].cast<std::string>();
  task.parameters.directoryPrefix = state[n + 2].cast<std::string>();
  task.parameters.file = state[n + 3].cast<std::string>();
  return task;
}

std::optional<std::string> fileText(const std::filesystem::path& path) {
  if (path.empty()) return std::nullopt;
  return path.string();
}

Task readTask(const PathArgument& given, const py::object& language) {
  const LanguageScope texts(languageOf(language));
  const std::filesystem::path path = pathOf(given.value, "path", "a task file or a run directory");
  // A name the system refuses to look up (too long) is a file not found.
  std::error_code error;
  const bool directory = std::filesystem::is_directory(path, error);
  return Task{readingInput([&] { return directory ? readTaskFile(path) : readTaskFileAt(path); })};
}

Hull readHull(const PathArgument& given, const py::object& language) {
  const LanguageScope texts(languageOf(language));
  const std::filesystem::path path = pathOf(given.value, "path", "a hull file");
  auto model = readingInput([&] { return readHullDataFile(path, path.filename().string()); });
  return Hull{std::make_shared<const HullModel>(std::move(model)), path.string()};
}

// A curve's records from rows of (z, y, code).
CurveValues curveOf(const py::handle& points, const std::string& what) {
  CurveValues curve;
  for (const std::vector<double>& row : rowsOf(points, 3, kMaxRecords, what)) {
    curve.z.push_back(row[0]);
    curve.y.push_back(row[1]);
    curve.code.push_back(row[2]);
  }
  return curve;
}

Hull hullOf(const py::object& stations, const py::object& stern, const py::object& bow) {
  HullValues values;
  std::size_t i = 0;
  if (py::isinstance<py::str>(stations) || !py::isinstance<py::iterable>(stations))
    raiseInputError("stations: a sequence of pairs (x, points) was expected");
  // Each item is held while it is read: a NumPy array's rows, a generator's
  // items, are made as they are asked for and belong to no container.
  for (const py::handle item : py::iter(stations)) {
    const auto station = py::reinterpret_borrow<py::object>(item);
    // One more than a hull can hold is enough for the hull's own refusal.
    if (++i > static_cast<std::size_t>(kMaxStations) + 1) break;
    const std::string what = "stations[" + std::to_string(i - 1) + "]";
    if (!py::isinstance<py::sequence>(station) || py::isinstance<py::str>(station) ||
        py::len(station) != 2) {
      raiseInputError(what + ": a pair (x, points) was expected");
    }
    const py::object x = station[py::int_(0)];
    const py::object points = station[py::int_(1)];
    const std::vector<double> position = numbersOf(x, what + " x");
    if (position.size() != 1)
      raiseInputError(what + ": the station's position x must be one number");
    values.stations.push_back({position.front(), curveOf(points, what + " points")});
  }
  values.stern = curveOf(stern, "stern");
  values.bow = curveOf(bow, "bow");
  auto model = readingInput([&] { return hullFromValues(values); });
  return Hull{std::make_shared<const HullModel>(std::move(model)), ""};
}

// Rows of (z, y, code) of curve c.
py::array_t<double> pointsOf(const HullModel& hull, int curve) {
  const int n = hull.pointCount(curve);
  py::array_t<double> points({n, 3});
  auto out = points.mutable_unchecked<2>();
  for (int j = 1; j <= n; ++j) {
    out(j - 1, 0) = hull.pointZ(curve, j);
    out(j - 1, 1) = hull.pointY(curve, j);
    out(j - 1, 2) = hull.pointCode(curve, j);
  }
  return readOnly(points);
}

py::list stationsOf(const HullModel& hull) {
  py::list stations;
  for (int i = 1; i <= hull.stationCount; ++i)
    stations.append(py::make_tuple(hull.stationX(i), pointsOf(hull, i)));
  return stations;
}

// Whether two hulls hold the same stations and contours, read from the same
// file or both made in code.
bool sameHull(const Hull& a, const Hull& b) {
  const HullModel& p = *a.model;
  const HullModel& q = *b.model;
  if (a.file != b.file || p.stationCount != q.stationCount) return false;
  for (int i = 1; i <= p.stationCount; ++i) {
    if (p.stationX(i) != q.stationX(i)) return false;
  }
  for (int c = 1; c <= p.bowCurve(); ++c) {
    if (p.pointCount(c) != q.pointCount(c)) return false;
    for (int j = 1; j <= p.pointCount(c); ++j) {
      if (p.pointZ(c, j) != q.pointZ(c, j) || p.pointY(c, j) != q.pointY(c, j) ||
          p.pointCode(c, j) != q.pointCode(c, j)) {
        return false;
      }
    }
  }
  return true;
}

std::size_t hashOf(const Hull& h) {
  const HullModel& m = *h.model;
  std::size_t hash = std::hash<std::string>()(h.file);
  // std::hash<double> gives 0.0 and -0.0 one hash, as == takes them for one value.
  const auto mix = [&hash](double v) { hash = hash * 1000003u ^ std::hash<double>()(v); };
  for (int i = 1; i <= m.stationCount; ++i) mix(m.stationX(i));
  for (int c = 1; c <= m.bowCurve(); ++c) {
    for (int j = 1; j <= m.pointCount(c); ++j) {
      mix(m.pointZ(c, j));
      mix(m.pointY(c, j));
      mix(m.pointCode(c, j));
    }
  }
  return hash;
}

std::string taskText(const Task& task) {
  std::string text = "norvika.Task(";
  for (const TaskKeyword& keyword : kTaskKeywords) {
    const std::string shown = keywordText(task.parameters, keyword);
    if (shown.empty()) continue;
    if (text.back() != '(') text += ", ";
    text += shown;
  }
  return text + ")";
}

}  // namespace

void defineInputs(py::module_& module) {
  py::class_<Task> task(module, "Task", R"(A loading case of a ship: the task file's values.

Made by read_task() from a task file, or in code from keyword arguments, checked
as the file's values are checked (InputError with the program's message, in Turkish
or, with language="en", in English). A case
takes exactly the values its line of the task file holds:

    case 1 (level waterline):           displacement, initial_draft
    cases 2-5 (trochoid / sine wave,
      crest / trough amidships):        displacement, initial_draft, wave_height,
                                        wave_length_ratio
    case 6 (trimmed waterline):         forward_draft, aft_draft
    case 7 (damaged, heeled):           forward_draft, aft_draft, heel_angle

Units: lengths in m, displacement in t, density in t/m3, heel in degrees. A value the
case does not take reads None. A Task never changes; replace() makes a new one. Tasks
are equal (==, and hash alike) when their values and the files they came from are;
they copy and pickle by value, so they go to other processes.)");
  defineTaskFromValues(task, std::make_index_sequence<kTaskKeywords.size()>());
  for (const TaskKeyword& keyword : kTaskKeywords) defineKeywordProperty(task, keyword);
  task.def_property_readonly(
      "file", [](const Task& t) { return fileText(t.parameters.file); },
      "The task file it was read from; None when made in code.");
  task.def_property_readonly(
      "hull_file",
      [](const Task& t) -> std::optional<std::string> {
        if (t.parameters.hullFileName.empty()) return std::nullopt;
        return t.parameters.hullFileName;
      },
      "The hull file's name as the task file gives it; None when made in code.");
  task.def_property_readonly(
      "hull_path",
      [](const Task& t) -> std::optional<std::string> {
        if (t.parameters.hullFileName.empty()) return std::nullopt;
        return findIgnoringCase(t.parameters.directoryPrefix, t.parameters.hullFileName).string();
      },
      "Where the program finds the hull file: in the task file's directory as written, else "
      "ignoring case; None when made in code.");
  task.def("replace", &replaced, py::kw_only(), py::arg("language") = "tr",
           "A new task with the values given changed (None: left out), checked as a task made "
           "in code; it names no file. InputError's message in `language`, \"tr\" or \"en\".");
  task.def("__repr__", &taskText);
  task.def(
      "__eq__", [](const Task& a, const Task& b) { return stateOf(a).equal(stateOf(b)); },
      py::is_operator());
  task.def("__hash__", [](const Task& t) { return py::hash(stateOf(t)); });
  task.def(py::pickle(&stateOf, &taskOfState));

  py::class_<Hull> hull(
      module, "Hull", R"(A ship's hull: its stations and end contours, as the hull file holds them.

Made by read_hull() from a hull file, or in code:

    Hull(stations, stern, bow)

stations: pairs (x, points) from aft to forward (a list, a generator, an array), x
the station's position (m from AP), points rows of (z, half-breadth, code) from the
keel up (m; code 0 marks a knuckle, any other whole number an ordinary point); stern
and bow: rows of (z, x from AP, code). Checked as the file's records are (InputError
with the program's message, in Turkish or, with language="en", in English):
at least 2 stations of 2 points, contours of 1 point, heights rising within each curve,
stations rising, at most 100 stations of 249 points, numbers of at most 1000000 in
size. A Hull never changes; many runs may share it at once. Hulls are equal (==, and
hash alike) when their records and the file they came from are; they copy and pickle by
value (checked again as a hull made in code), so they go to other processes.)");
  hull.def(py::init([](const py::object& stations, const py::object& stern, const py::object& bow,
                       const py::object& language) {
             const LanguageScope texts(languageOf(language));
             return hullOf(stations, stern, bow);
           }),
           py::arg("stations"), py::arg("stern"), py::arg("bow"), py::kw_only(),
           py::arg("language") = "tr",
           "A hull from values (see the class); InputError's message in `language`, \"tr\" or "
           "\"en\".");
  hull.def_property_readonly(
      "station_count", [](const Hull& h) { return h.model->stationCount; }, "Number of stations.");
  hull.def_property_readonly(
      "station_x", [](const Hull& h) { return arrayOf(h.model->stationX, h.model->stationCount); },
      "Station positions, m from AP, aft to forward.");
  hull.def_property_readonly(
      "stations", [](const Hull& h) { return stationsOf(*h.model); },
      "The stations as (x, points): x in m from AP, points an array of rows (z, half-breadth, "
      "code), m.");
  hull.def_property_readonly(
      "stern", [](const Hull& h) { return pointsOf(*h.model, h.model->sternCurve()); },
      "The stern contour, rows of (z, x from AP, code), m.");
  hull.def_property_readonly(
      "bow", [](const Hull& h) { return pointsOf(*h.model, h.model->bowCurve()); },
      "The bow contour, rows of (z, x from AP, code), m.");
  hull.def_property_readonly(
      "file",
      [](const Hull& h) -> std::optional<std::string> {
        if (h.file.empty()) return std::nullopt;
        return h.file;
      },
      "The hull file it was read from; None when made in code.");
  hull.def("__eq__", &sameHull, py::is_operator());
  hull.def("__hash__", &hashOf);
  hull.def(py::pickle(
      [](const Hull& h) {
        return py::make_tuple(stationsOf(*h.model), pointsOf(*h.model, h.model->sternCurve()),
                              pointsOf(*h.model, h.model->bowCurve()), py::bytes(h.file));
      },
      [](const py::tuple& state) {
        if (state.size() != 4) throw py::value_error("a pickled state of a Hull was expected");
        Hull hull = hullOf(state[0], state[1], state[2]);
        hull.file = state[3].cast<std::string>();
        return hull;
      }));
  hull.def("__repr__", [](const Hull& h) {
    return "<norvika.Hull: " + std::to_string(h.model->stationCount) + " stations from " +
           py::repr(py::float_(h.model->stationX(1))).cast<std::string>() + " to " +
           py::repr(py::float_(h.model->stationX(h.model->stationCount))).cast<std::string>() +
           " m" + (h.file.empty() ? "" : ", " + h.file) + ">";
  });

  module.def("read_task", &readTask, py::arg("path"), py::kw_only(), py::arg("language") = "tr",
             "Reads a task file: `path` names the file, or a run directory holding Norvika.TSK. "
             "Raises InputError (file, line) on a missing or malformed file, its message in "
             "`language`: \"tr\" (the default, the legacy Turkish texts) or \"en\", as "
             "`norvika --language`.");
  module.def("read_hull", &readHull, py::arg("path"), py::kw_only(), py::arg("language") = "tr",
             "Reads a hull offsets file. Raises InputError (file, line) on a missing or "
             "malformed file, its message in `language`, \"tr\" or \"en\" as for read_task().");
}

}  // namespace norvika::python
