#include "inputs.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "arrays.h"
#include "errors.h"
#include "model/hull_data_file.h"
#include "model/task_file.h"
#include "model/task_values.h"
#include "numbers.h"
#include "paths.h"
#include "support/capacities.h"
#include "support/file_names.h"

namespace norvika::python {

namespace {

// The values a case may take, by their names in Python.
struct CaseValueName {
  const char* name;
  std::optional<double> TaskValues::*given;
  double TaskParameters::*field;
};

constexpr std::array<CaseValueName, 7> kCaseValueNames = {{
    {"displacement", &TaskValues::requiredDisplacement, &TaskParameters::requiredDisplacement},
    {"initial_draft", &TaskValues::initialDraft, &TaskParameters::initialDraft},
    {"wave_height", &TaskValues::waveHeight, &TaskParameters::waveHeight},
    {"wave_length_ratio", &TaskValues::waveLengthRatio, &TaskParameters::waveLengthRatio},
    {"forward_draft", &TaskValues::forwardDraft, &TaskParameters::forwardDraft},
    {"aft_draft", &TaskValues::aftDraft, &TaskParameters::aftDraft},
    {"heel_angle", &TaskValues::heelAngle, &TaskParameters::heelAngle},
}};

bool caseTakes(int caseNumber, double TaskParameters::*field) {
  for (const TaskValue& value : caseValues(caseNumber)) {
    if (value.field == field) return true;
  }
  return false;
}

Task taskOf(const TaskValues& values) {
  return Task{readingInput([&] { return taskFromValues(values); })};
}

// The values a task was made of, for a task with some of them changed.
TaskValues valuesOf(const TaskParameters& task) {
  TaskValues values;
  values.shipLength = task.shipLength;
  values.stationDivisions = task.stationDivisions;
  values.waterDensity = task.waterDensity;
  values.caseNumber = task.caseNumber;
  for (const TaskValue& value : caseValues(task.caseNumber))
    values.*value.given = task.*value.field;
  values.equalPointCount = task.equalPointCount;
  values.equalStart = task.equalStart;
  values.equalEnd = task.equalEnd;
  return values;
}

// Sets the value of Task's keyword `name` in `values`; None leaves a number out.
void setValue(TaskValues& values, const std::string& name, const py::handle& value) {
  if (name == "ship_length") {
    values.shipLength = optionalNumberOf(value, name);
  } else if (name == "station_divisions") {
    values.stationDivisions = optionalNumberOf(value, name);
  } else if (name == "density") {
    values.waterDensity = optionalNumberOf(value, name);
  } else if (name == "case") {
    values.caseNumber = wholeNumberOf(value, name);
  } else if (name == "equal_points") {
    values.equalPointCount = wholeNumberOf(value, name);
  } else if (name == "equal_start") {
    values.equalStart = numberOf(value, name);
  } else if (name == "equal_end") {
    values.equalEnd = numberOf(value, name);
  } else {
    for (const CaseValueName& caseValue : kCaseValueNames) {
      if (name == caseValue.name) {
        values.*caseValue.given = optionalNumberOf(value, name);
        return;
      }
    }
    throw py::type_error("Task.replace() got an unexpected keyword argument '" + name + "'");
  }
}

Task replaced(const Task& task, const py::kwargs& changes) {
  TaskValues values = valuesOf(task.parameters);
  for (const auto& [key, value] : changes) setValue(values, py::cast<std::string>(key), value);
  return taskOf(values);
}

// Everything a task holds, the file it came from too (names as bytes: a
// directory's name need not be UTF-8): what it is pickled as and compared by.
py::tuple stateOf(const Task& task) {
  const TaskParameters& t = task.parameters;
  return py::make_tuple(t.shipLength, t.stationDivisions, t.waterDensity, t.caseNumber,
                        t.requiredDisplacement, t.initialDraft, t.waveHeight, t.waveLengthRatio,
                        t.forwardDraft, t.aftDraft, t.heelAngle, t.equalPointCount, t.equalStart,
                        t.equalEnd, t.equalLine, py::bytes(t.hullFileName),
                        py::bytes(t.directoryPrefix), py::bytes(t.file.string()));
}

// A pickled task, checked again as a task made in code is, with the names of
// the files it came from.
Task taskOfState(const py::tuple& state) {
  if (state.size() != 18) throw py::value_error("a pickled state of a Task was expected");
  TaskParameters t;
  t.shipLength = state[0].cast<double>();
  t.stationDivisions = state[1].cast<double>();
  t.waterDensity = state[2].cast<double>();
  t.caseNumber = state[3].cast<int>();
  t.requiredDisplacement = state[4].cast<double>();
  t.initialDraft = state[5].cast<double>();
  t.waveHeight = state[6].cast<double>();
  t.waveLengthRatio = state[7].cast<double>();
  t.forwardDraft = state[8].cast<double>();
  t.aftDraft = state[9].cast<double>();
  t.heelAngle = state[10].cast<double>();
  t.equalPointCount = state[11].cast<int>();
  t.equalStart = state[12].cast<double>();
  t.equalEnd = state[13].cast<double>();
  Task task = taskOf(valuesOf(t));
  task.parameters.equalLine = state[14].cast<int>();
  task.parameters.hullFileName = state[15].cast<std::string>();
  task.parameters.directoryPrefix = state[16].cast<std::string>();
  task.parameters.file = state[17].cast<std::string>();
  return task;
}

std::optional<std::string> fileText(const std::filesystem::path& path) {
  if (path.empty()) return std::nullopt;
  return path.string();
}

Task readTask(const PathArgument& given) {
  const std::filesystem::path path = pathOf(given.value, "path", "a task file or a run directory");
  // A name the system refuses to look up (too long) is a file not found.
  std::error_code error;
  const bool directory = std::filesystem::is_directory(path, error);
  return Task{readingInput([&] { return directory ? readTaskFile(path) : readTaskFileAt(path); })};
}

Hull readHull(const PathArgument& given) {
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
  const TaskParameters& t = task.parameters;
  std::string text =
      "norvika.Task(ship_length=" + py::repr(py::float_(t.shipLength)).cast<std::string>() +
      ", station_divisions=" + py::repr(py::float_(t.stationDivisions)).cast<std::string>() +
      ", density=" + py::repr(py::float_(t.waterDensity)).cast<std::string>() +
      ", case=" + std::to_string(t.caseNumber);
  for (const CaseValueName& value : kCaseValueNames) {
    if (caseTakes(t.caseNumber, value.field)) {
      text += std::string(", ") + value.name + "=" +
              py::repr(py::float_(t.*value.field)).cast<std::string>();
    }
  }
  if (t.equalPointCount != 0) {
    text += ", equal_points=" + std::to_string(t.equalPointCount) +
            ", equal_start=" + py::repr(py::float_(t.equalStart)).cast<std::string>() +
            ", equal_end=" + py::repr(py::float_(t.equalEnd)).cast<std::string>();
  }
  return text + ")";
}

}  // namespace

void defineInputs(py::module_& module) {
  py::class_<Task> task(module, "Task", R"(A loading case of a ship: the task file's values.

Made by read_task() from a task file, or in code from keyword arguments, checked
as the file's values are checked (InputError with the program's message). A case
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
  using Number = const NumberArgument&;
  using WholeNumber = const WholeNumberArgument&;
  task.def(
      py::init([](Number shipLength, Number stationDivisions, Number density,
                  WholeNumber caseNumber, Number displacement, Number initialDraft,
                  Number waveHeight, Number waveLengthRatio, Number forwardDraft, Number aftDraft,
                  Number heelAngle, WholeNumber equalPoints, Number equalStart, Number equalEnd) {
        TaskValues values;
        for (const auto& [name, value] : {std::pair{"ship_length", shipLength.value},
                                          {"station_divisions", stationDivisions.value},
                                          {"density", density.value},
                                          {"case", caseNumber.value},
                                          {"displacement", displacement.value},
                                          {"initial_draft", initialDraft.value},
                                          {"wave_height", waveHeight.value},
                                          {"wave_length_ratio", waveLengthRatio.value},
                                          {"forward_draft", forwardDraft.value},
                                          {"aft_draft", aftDraft.value},
                                          {"heel_angle", heelAngle.value},
                                          {"equal_points", equalPoints.value},
                                          {"equal_start", equalStart.value},
                                          {"equal_end", equalEnd.value}}) {
          setValue(values, name, value);
        }
        return taskOf(values);
      }),
      py::kw_only(), py::arg("ship_length"), py::arg("station_divisions"), py::arg("density"),
      py::arg("case"), py::arg("displacement") = py::none(), py::arg("initial_draft") = py::none(),
      py::arg("wave_height") = py::none(), py::arg("wave_length_ratio") = py::none(),
      py::arg("forward_draft") = py::none(), py::arg("aft_draft") = py::none(),
      py::arg("heel_angle") = py::none(), py::arg("equal_points") = 0, py::arg("equal_start") = 0.0,
      py::arg("equal_end") = 0.0,
      "A task from values (see the class); raises InputError when the task file could not "
      "hold them.");
  task.def_property_readonly(
      "ship_length", [](const Task& t) { return t.parameters.shipLength; },
      "L, the length between perpendiculars, m (AP at x = 0, FP at x = L).");
  task.def_property_readonly(
      "station_divisions", [](const Task& t) { return t.parameters.stationDivisions; },
      "Number of station intervals between AP and FP (the previews' spacing).");
  task.def_property_readonly(
      "density", [](const Task& t) { return t.parameters.waterDensity; }, "Water density, t/m3.");
  task.def_property_readonly(
      "case", [](const Task& t) { return t.parameters.caseNumber; }, "The case, 1-7.");
  for (const CaseValueName& value : kCaseValueNames) {
    task.def_property_readonly(
        value.name,
        [field = value.field](const Task& t) -> std::optional<double> {
          if (!caseTakes(t.parameters.caseNumber, field)) return std::nullopt;
          return t.parameters.*field;
        },
        "A value of the case (t for the displacement, m for drafts and the wave height, "
        "degrees for the heel, the wave length over L for the ratio); None when the case "
        "does not take it.");
  }
  task.def_property_readonly(
      "equal_points", [](const Task& t) { return t.parameters.equalPointCount; },
      "Number of equally spaced points of the buoyancy (0: none).");
  task.def_property_readonly(
      "equal_start", [](const Task& t) { return t.parameters.equalStart; },
      "First equally spaced point, m from AP.");
  task.def_property_readonly(
      "equal_end", [](const Task& t) { return t.parameters.equalEnd; },
      "Last equally spaced point, m from AP.");
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
  task.def("replace", &replaced,
           "A new task with the values given changed (None: left out), checked as a task made "
           "in code; it names no file.");
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
and bow: rows of (z, x from AP, code). Checked as the file's records are (InputError with the program's message):
at least 2 stations of 2 points, contours of 1 point, heights rising within each curve,
stations rising, at most 100 stations of 249 points, numbers of at most 1000000 in
size. A Hull never changes; many runs may share it at once. Hulls are equal (==, and
hash alike) when their records and the file they came from are; they copy and pickle by
value (checked again as a hull made in code), so they go to other processes.)");
  hull.def(py::init(&hullOf), py::arg("stations"), py::arg("stern"), py::arg("bow"),
           "A hull from values (see the class).");
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

  module.def("read_task", &readTask, py::arg("path"),
             "Reads a task file: `path` names the file, or a run directory holding Norvika.TSK. "
             "Raises InputError (file, line) on a missing or malformed file.");
  module.def("read_hull", &readHull, py::arg("path"),
             "Reads a hull offsets file. Raises InputError (file, line) on a missing or "
             "malformed file.");
}

}  // namespace norvika::python
