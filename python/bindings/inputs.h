#pragma once

#include <pybind11/pybind11.h>

#include <memory>
#include <string>

#include "model/hull_model.h"
#include "model/task_parameters.h"

namespace norvika::python {

namespace py = pybind11;

/// A task, read from a task file or made in code; never changed once made.
struct Task {
  TaskParameters parameters;
};

/// A hull, read from a hull file or made in code; never changed once made,
/// so runs on many threads share it.
struct Hull {
  std::shared_ptr<const HullModel> model;
  std::string file;  // empty when made in code
};

/// Adds Task, Hull, read_task and read_hull to the module.
void defineInputs(py::module_& module);

}  // namespace norvika::python
