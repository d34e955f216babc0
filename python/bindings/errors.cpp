#include "errors.h"

namespace norvika::python {

namespace {

// Looked up at each raise rather than kept in a static: a handle kept past
// the interpreter's end would be released after it.
py::object errorType(const char* name) { return py::module_::import("norvika._core").attr(name); }

[[noreturn]] void raise(const py::object& type, const py::object& error) {
  PyErr_SetObject(type.ptr(), error.ptr());
  throw py::error_already_set();
}

}  // namespace

void defineErrors(py::module_& module) {
  const py::object inputError = py::exception<ProgramEnd>(module, "InputError", PyExc_ValueError);
  inputError.attr("__doc__") =
      "An input Norvika rejects: a malformed task, hull or weights file, or values given in\n"
      "code that such a file could not hold. str(error) is the program's message\n"
      "('Norvika.TSK 20. SATIR: GEMI BOYU POZITIF OLMALI, -5.000 OKUNDU').\n\n"
      "Attributes:\n"
      "    file: the path of the file the message names, as it was opened; None for values\n"
      "        given in code.\n"
      "    line: the line (1-based) the message names; None when it names none.";
  inputError.attr("file") = py::none();
  inputError.attr("line") = py::none();
  const py::object stop =
      py::exception<std::runtime_error>(module, "CalculationStop", PyExc_RuntimeError);
  stop.attr("__doc__") =
      "The calculation stopped with one of its messages (a deck under water, a wave whose\n"
      "phase does not settle, a displacement the hull cannot carry, ...). str(error) is the\n"
      "program's message.\n\n"
      "Attributes:\n"
      "    title: the title of the program's message box ('UYARI', ...).";
  stop.attr("title") = "";
}

void raiseInputError(const std::string& message, const std::optional<InputPlace>& place) {
  const py::object type = errorType("InputError");
  py::object error = type(message);
  if (place) {
    error.attr("file") = place->file;
    if (place->line > 0) error.attr("line") = place->line;
  }
  raise(type, error);
}

void raiseInputErrorFrom(const std::string& message, const py::error_already_set& cause) {
  const py::object type = errorType("InputError");
  const py::object error = type(message);
  error.attr("__cause__") = cause.value();
  raise(type, error);
}

void raiseRunEnd(const RunOutcome& outcome) {
  switch (outcome.reason) {
    case ExitReason::InputError:
      raiseInputError(outcome.message, outcome.place);
    case ExitReason::CalculationStopped: {
      const py::object type = errorType("CalculationStop");
      py::object error = type(outcome.endingText());
      if (!outcome.messages.empty()) error.attr("title") = outcome.messages.back().title;
      raise(type, error);
    }
    default:
      break;
  }
  throw std::runtime_error(outcome.message.empty() ? "the run ended without completing"
                                                   : outcome.message);
}

}  // namespace norvika::python
