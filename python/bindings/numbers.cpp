#include "numbers.h"

#include <climits>

#include "errors.h"

namespace norvika::python {

std::string describedValue(const py::handle& value) {
  std::string shown = py::repr(value).cast<std::string>();
  if (shown.size() > 40) shown = shown.substr(0, 37) + "...";
  return shown + " (" + py::type::handle_of(value).attr("__name__").cast<std::string>() + ")";
}

NumberCheck::NumberCheck() {
  const py::module_ numpy = py::module_::import("numpy");
  numpyBool_ = numpy.attr("bool_");
  numpyComplex_ = numpy.attr("complexfloating");
}

bool NumberCheck::isBool(const py::handle& value) const {
  return PyBool_Check(value.ptr()) || py::isinstance(value, numpyBool_);
}

std::optional<std::string> NumberCheck::problem(const py::handle& value) const {
  PyObject* const object = value.ptr();
  if (value.is_none()) return "got None";
  // NumPy's bool and complex kinds are no subclasses of Python's.
  if (isBool(value) || PyUnicode_Check(object) || PyBytes_Check(object) ||
      PyByteArray_Check(object) || PyComplex_Check(object) ||
      py::isinstance(value, numpyComplex_) || !PyNumber_Check(object)) {
    return "got " + describedValue(value);
  }
  return std::nullopt;
}

bool mayBeRestated(const py::error_already_set& error) { return error.matches(PyExc_Exception); }

std::string failureText(const py::error_already_set& error) {
  return error.type().attr("__name__").cast<std::string>() + ": " +
         py::str(error.value()).cast<std::string>();
}

double floatOf(const py::handle& value, const std::string& what) {
  const double number = PyFloat_AsDouble(value.ptr());
  if (number == -1.0 && PyErr_Occurred() != nullptr) {
    py::error_already_set error;
    if (!mayBeRestated(error)) throw error;
    raiseInputErrorFrom(what + ": a number was expected, converting " + describedValue(value) +
                            " raised " + failureText(error),
                        error);
  }
  return number;
}

double numberOf(const py::handle& value, const std::string& what) {
  if (const auto problem = NumberCheck().problem(value))
    throw py::type_error(what + ": a number was expected, " + *problem);
  return floatOf(value, what);
}

std::optional<double> optionalNumberOf(const py::handle& value, const std::string& what) {
  if (value.is_none()) return std::nullopt;
  return numberOf(value, what);
}

int wholeNumberOf(const py::handle& value, const std::string& what) {
  // Floats have no __index__: 2.0 is refused as 2.5 is.
  if (NumberCheck().isBool(value) || !PyIndex_Check(value.ptr())) {
    throw py::type_error(what + ": a whole number was expected, got " + describedValue(value));
  }
  const py::object whole = py::reinterpret_steal<py::object>(PyNumber_Index(value.ptr()));
  if (!whole) {
    py::error_already_set error;
    if (!mayBeRestated(error)) throw error;
    throw py::type_error(what + ": a whole number was expected, got " + describedValue(value));
  }
  int overflow = 0;
  const long long number = PyLong_AsLongLongAndOverflow(whole.ptr(), &overflow);
  if (overflow != 0 || number < INT_MIN || number > INT_MAX) {
    raiseInputError(what + ": " + py::repr(whole).cast<std::string>() +
                    " is beyond the whole numbers Norvika takes");
  }
  return static_cast<int>(number);
}

}  // namespace norvika::python
