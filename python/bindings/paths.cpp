#include "paths.h"

#include "errors.h"

namespace norvika::python {

std::filesystem::path pathOf(const py::handle& value, const std::string& what,
                             const std::string& expected) {
  const py::module_ os = py::module_::import("os");
  // The name's bytes as open() would pass them; what names no path is
  // refused (TypeError) as open() refuses it.
  const auto name = os.attr("fsencode")(value).cast<std::string>();
  if (name.empty()) raiseInputError(what + ": an empty name where " + expected + " was expected");
  if (name.find('\0') != std::string::npos)
    raiseInputError(what + ": a name holding a NUL character names no file");
  return std::filesystem::path(name);
}

}  // namespace norvika::python
