#pragma once

#include <pybind11/pybind11.h>

namespace norvika::python {

namespace py = pybind11;

/// An argument taken as it is given, whatever it is, and made a value by the
/// function that takes it, which names it in its refusals (pybind11's own
/// conversions would refuse it with a list of signatures, or take True for
/// 1.0). `Shown` says how signatures show it.
template <typename Shown>
struct GivenArgument {
  py::object value;
};

}  // namespace norvika::python

namespace pybind11::detail {

template <typename Shown>
struct type_caster<norvika::python::GivenArgument<Shown>> {
  PYBIND11_TYPE_CASTER(norvika::python::GivenArgument<Shown>, Shown::name);
  bool load(handle source, bool) {
    value.value = reinterpret_borrow<object>(source);
    return true;
  }
};

}  // namespace pybind11::detail
