#include "arrays.h"

#include <algorithm>

#include "errors.h"

namespace norvika::python {

namespace {

std::string shapeText(const py::array& array) {
  std::string text = "(";
  for (py::ssize_t d = 0; d < array.ndim(); ++d) {
    text += (d > 0 ? ", " : "") + std::to_string(array.shape(d));
  }
  return text + (array.ndim() == 1 ? ",)" : ")");
}

// The values as an array of doubles; a sequence that is no array of numbers
// (strings, ragged rows) is refused naming `what`.
py::array_t<double, py::array::c_style | py::array::forcecast> doublesOf(const py::handle& values,
                                                                         const std::string& what) {
  // NumPy would take None for NaN, and the refusal would name a NaN never given.
  if (values.is_none()) raiseInputError(what + ": numbers were expected, got None");
  try {
    return py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(values);
  } catch (const py::error_already_set&) {
  }
  raiseInputError(what + ": numbers were expected");
}

}  // namespace

std::vector<std::vector<double>> rowsOf(const py::handle& values, py::ssize_t columns,
                                        std::size_t rowLimit, const std::string& what) {
  const auto array = doublesOf(values, what);
  if (!array) raiseInputError(what + ": numbers were expected");
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
  const auto array = doublesOf(values, what);
  if (!array || array.ndim() > 1) {
    raiseInputError(what + ": a sequence of numbers was expected" +
                    (array ? ", got shape " + shapeText(array) : std::string()));
  }
  return std::vector<double>(array.data(), array.data() + array.size());
}

}  // namespace norvika::python
