#include "language_argument.h"

#include <optional>
#include <string>

#include "support/input_file.h"

namespace norvika::python {

Language languageOf(const py::object& language) {
  if (!py::isinstance<py::str>(language)) {
    throw py::type_error("language: expected 'tr' or 'en', got " +
                         py::repr(language).cast<std::string>());
  }
  const std::string code = language.cast<std::string>();
  const std::optional<Language> named = languageNamed(code);
  if (!named)
    throw py::value_error("language: expected 'tr' or 'en', got " + quotedForMessage(code));
  return *named;
}

}  // namespace norvika::python
