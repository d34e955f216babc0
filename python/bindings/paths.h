#pragma once

#include <pybind11/pybind11.h>

#include <filesystem>
#include <string>

namespace norvika::python {

namespace py = pybind11;

/// A path argument taken as given and made a path by pathOf (shown as
/// str | os.PathLike in signatures).
struct PathArgument {
  py::object value;
};

/// The path a str, bytes or os.PathLike names. TypeError for anything else;
/// InputError naming the argument `what` for an empty name (`expected` says
/// what it should have named) and for a NUL character, which no file's name holds.
std::filesystem::path pathOf(const py::handle& value, const std::string& what,
                             const std::string& expected);

}  // namespace norvika::python

namespace pybind11::detail {

template <>
struct type_caster<norvika::python::PathArgument> {
  PYBIND11_TYPE_CASTER(norvika::python::PathArgument, const_name("Union[str, os.PathLike]"));
  bool load(handle source, bool) {
    value.value = reinterpret_borrow<object>(source);
    return true;
  }
};

}  // namespace pybind11::detail
