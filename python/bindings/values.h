#pragma once

#include <pybind11/pybind11.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace norvika::python {

namespace py = pybind11;

/// What the module hands back from a calculation: its values by name, made
/// once and never changed (arrays read-only, dicts shown as read-only
/// mappings), compared with == and copied and pickled by value, so that
/// results move between processes. Each Python class of values is a C++
/// type of its own deriving from it.
struct Values {
  py::dict values;
};

/// A value of a class of values, described once: its name in Python, its
/// docstring (with its unit) and how it is taken from what the calculation
/// reached (`Source`).
template <typename Source>
struct ValueField {
  const char* name;
  const char* doc;
  std::function<py::object(const Source&)> value;
};

template <typename Source>
using ValueFields = std::vector<ValueField<Source>>;

/// The value `name` of `values` as a property hands it out.
py::object shownValue(const py::dict& values, const std::string& name);

/// Whether two sets of values are equal: the same names, arrays of the same
/// shape and elements (NaN equal to NaN), every other value ==.
bool sameValues(const py::dict& a, const py::dict& b);

/// The values of a pickled state, refused (ValueError) unless they are
/// exactly `names`; their arrays made read-only again.
py::dict restoredValues(const py::dict& values, const std::vector<std::string>& names);

/// The class `name` of values of kind V (deriving from Values) with `fields`:
/// a read-only property per field, ==, copy and pickle. No constructor:
/// values come from the module's calculations only.
template <typename V, typename Source>
py::class_<V> defineValues(py::module_& module, const char* name, const char* doc,
                           const ValueFields<Source>& fields) {
  py::class_<V> kind(module, name, doc);
  std::vector<std::string> names;
  for (const ValueField<Source>& field : fields) {
    kind.def_property_readonly(
        field.name,
        [key = std::string(field.name)](const V& v) { return shownValue(v.values, key); },
        field.doc);
    names.emplace_back(field.name);
  }
  kind.def(
      "__eq__", [](const V& a, const V& b) { return sameValues(a.values, b.values); },
      py::is_operator());
  kind.def(py::pickle([](const V& v) { return v.values; },
                      [names = std::move(names)](const py::dict& state) {
                        return V{{restoredValues(state, names)}};
                      }));
  return kind;
}

/// The values of kind V that `fields` take from `source`.
template <typename V, typename Source>
py::object valuesOf(const ValueFields<Source>& fields, const Source& source) {
  py::dict values;
  for (const ValueField<Source>& field : fields) values[field.name] = field.value(source);
  return py::cast(V{{values}});
}

}  // namespace norvika::python
