#pragma once

#include <pybind11/pybind11.h>

#include <filesystem>
#include <string>

#include "given_argument.h"

namespace norvika::python {

namespace py = pybind11;

struct ShownAsPath {
  static constexpr auto name = py::detail::const_name("Union[str, os.PathLike]");
};

/// A path argument made a path by pathOf.
using PathArgument = GivenArgument<ShownAsPath>;

/// The path a str, bytes or os.PathLike names. TypeError for anything else;
/// InputError naming the argument `what` for an empty name (`expected` says
/// what it should have named) and for a NUL character, which no file's name holds.
std::filesystem::path pathOf(const py::handle& value, const std::string& what,
                             const std::string& expected);

}  // namespace norvika::python
