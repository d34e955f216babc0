#include "values.h"

#include <pybind11/numpy.h>

#include <algorithm>

#include "arrays.h"

namespace norvika::python {

py::object shownValue(const py::dict& values, const std::string& name) {
  py::object value = values[py::str(name)];
  if (py::isinstance<py::dict>(value))
    return py::module_::import("types").attr("MappingProxyType")(value);
  return value;
}

bool sameValues(const py::dict& a, const py::dict& b) {
  if (a.size() != b.size()) return false;
  const py::object arrayEqual = py::module_::import("numpy").attr("array_equal");
  for (const auto& [name, value] : a) {
    if (!b.contains(name)) return false;
    const py::object other = b[name];
    if (py::isinstance<py::array>(value) && py::isinstance<py::array>(other)) {
      if (!arrayEqual(value, other, py::arg("equal_nan") = true).cast<bool>()) return false;
    } else if (!value.equal(other)) {
      return false;
    }
  }
  return true;
}

py::dict restoredValues(const py::dict& values, const std::vector<std::string>& names) {
  const bool named = values.size() == names.size() &&
                     std::all_of(names.begin(), names.end(),
                                 [&](const std::string& n) { return values.contains(n); });
  if (!named) throw py::value_error("the pickled values are not those of this class");
  for (const auto& [name, value] : values) {
    if (py::isinstance<py::array>(value)) readOnly(py::reinterpret_borrow<py::array>(value));
  }
  return values;
}

}  // namespace norvika::python
