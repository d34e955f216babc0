#pragma once

#include <pybind11/pybind11.h>

#include "words/language.h"

namespace norvika::python {

namespace py = pybind11;

/// The language a `language` keyword names, as --language does: "tr" or "en";
/// TypeError for what is no str, ValueError for another code, both saying
/// "language: expected 'tr' or 'en', got ...".
Language languageOf(const py::object& language);

}  // namespace norvika::python
