#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstddef>
#include <string>
#include <vector>

#include "support/table.h"

namespace norvika::python {

namespace py = pybind11;

/// A NumPy array of doubles holding a copy of the values.
inline py::array_t<double> arrayOf(const std::vector<double>& values) {
  return py::array_t<double>(static_cast<py::ssize_t>(values.size()), values.data());
}

/// A NumPy array of entries 1..count of a 1-based table.
inline py::array_t<double> arrayOf(const Table<double>& table, int count) {
  py::array_t<double> array(count);
  auto out = array.mutable_unchecked<1>();
  for (int i = 1; i <= count; ++i) out(i - 1) = table(i);
  return array;
}

/// The rows of an array-like of `columns` numbers a row, as doubles: at most
/// `rowLimit` rows are taken (enough for the core to refuse too many without
/// copying a huge array). An empty sequence is no rows. Raises InputError,
/// naming `what`, for any other shape.
std::vector<std::vector<double>> rowsOf(const py::handle& values, py::ssize_t columns,
                                        std::size_t rowLimit, const std::string& what);

/// A one-dimensional array-like of numbers as doubles; raises InputError,
/// naming `what`, for any other shape.
std::vector<double> numbersOf(const py::handle& values, const std::string& what);

}  // namespace norvika::python
