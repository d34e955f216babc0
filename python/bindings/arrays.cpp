#include "arrays.h"

#include <algorithm>
#include <utility>

#include "errors.h"
#include "numbers.h"

namespace norvika::python {

namespace {

using Doubles = py::array_t<double, py::array::c_style | py::array::forcecast>;

std::string shapeText(const py::array& array) {
  std::string text = "(";
  for (py::ssize_t d = 0; d < array.ndim(); ++d) {
    text += (d > 0 ? ", " : "") + std::to_string(array.shape(d));
  }
  return text + (array.ndim() == 1 ? ",)" : ")");
}

// Element k of a C-ordered array as Python indexes it: "[1][2]".
std::string indexText(const py::array& array, py::ssize_t k) {
  std::string text;
  for (py::ssize_t d = array.ndim() - 1; d >= 0; --d) {
    text = "[" + std::to_string(k % array.shape(d)) + "]" + text;
    k /= array.shape(d);
  }
  return text;
}

// Every element of a C-ordered array of objects may stand for a number: a
// sequence among them is a row of another length.
void checkElements(const py::array& objects, const std::string& what) {
  const NumberCheck check;
  const auto* items = static_cast<PyObject* const*>(objects.data());
  for (py::ssize_t k = 0; k < objects.size(); ++k) {
    const py::handle item(items[k]);
    if (item.is_none()) {
      raiseInputError(what + indexText(objects, k) + ": a number was expected, got None");
    }
    if (PySequence_Check(item.ptr()) && !PyUnicode_Check(item.ptr()) &&
        !PyBytes_Check(item.ptr()) && !PyByteArray_Check(item.ptr())) {
      raiseInputError(what + ": numbers were expected");
    }
    if (const auto problem = check.problem(item)) {
      throw py::type_error(what + indexText(objects, k) + ": a number was expected, " + *problem);
    }
  }
}

// `convert()`, which runs the values' own code (their __len__, __float__):
// its failure is refused naming `what`, unless it may not be restated.
template <typename Convert>
py::array converting(const std::string& what, Convert&& convert) {
  try {
    return std::forward<Convert>(convert)();
  } catch (const py::error_already_set& error) {
    if (!mayBeRestated(error)) throw;
    raiseInputErrorFrom(
        what + ": numbers were expected, converting them raised " + failureText(error), error);
  }
}

// The values as a C-ordered array of doubles. An array of numbers is taken
// as it is; anything else is looked at element by element first, as NumPy
// would take None for NaN, True for 1, b"5" and "5" for 5 and 2j for 2j.real.
Doubles doublesOf(const py::handle& values, const std::string& what) {
  if (values.is_none()) raiseInputError(what + ": numbers were expected, got None");
  const py::module_ numpy = py::module_::import("numpy");
  py::array array = py::isinstance<py::array>(values)
                        ? py::reinterpret_borrow<py::array>(values)
                        : converting(what, [&] {
                            return py::array(numpy.attr("array")(values, py::arg("dtype") = "O"));
                          });
  const char kind = array.dtype().kind();
  if (kind == 'O') {
    array = numpy.attr("asarray")(array, py::arg("order") = "C");
    checkElements(array, what);
    array = converting(what, [&] { return py::array(array.attr("astype")("float64")); });
  } else if (kind != 'f' && kind != 'i' && kind != 'u') {
    throw py::type_error(what + ": numbers were expected, got an array of " +
                         py::str(array.dtype()).cast<std::string>());
  }
  Doubles doubles = Doubles::ensure(array);
  if (!doubles) raiseInputError(what + ": numbers were expected");
  return doubles;
}

}  // namespace

std::vector<std::vector<double>> rowsOf(const py::handle& values, py::ssize_t columns,
                                        std::size_t rowLimit, const std::string& what) {
  const Doubles array = doublesOf(values, what);
  if (array.size() == 0) return {};
  if (array.ndim() != 2 || array.shape(1) != columns) {
    raiseInputError(what + ": an array of shape (n, " + std::to_string(columns) +
                    ") was expected, got shape " + shapeText(array));
  }
  const std::size_t rows = std::min(static_cast<std::size_t>(array.shape(0)), rowLimit);
  const auto width = static_cast<std::size_t>(columns);
  std::vector<std::vector<double>> out;
  out.reserve(rows);
  for (std::size_t r = 0; r < rows; ++r) {
    const double* row = array.data() + r * width;
    out.emplace_back(row, row + width);
  }
  return out;
}

std::vector<double> numbersOf(const py::handle& values, const std::string& what) {
  const Doubles array = doublesOf(values, what);
  if (array.ndim() > 1) {
    raiseInputError(what + ": a sequence of numbers was expected, got shape " + shapeText(array));
  }
  return std::vector<double>(array.data(), array.data() + array.size());
}

}  // namespace norvika::python
