#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstddef>
#include <string>
#include <vector>

#include "support/table.h"

namespace norvika::python {

namespace py = pybind11;

/// `array`, from now on refused a write (ValueError): what the module hands
/// back is a value of its result, not a place to keep numbers in.
template <typename Array>
Array readOnly(Array array) {
  py::detail::array_proxy(array.ptr())->flags &= ~py::detail::npy_api::NPY_ARRAY_WRITEABLE_;
  return array;
}

/// A read-only NumPy array of doubles holding a copy of the values.
inline py::array_t<double> arrayOf(const std::vector<double>& values) {
  return readOnly(py::array_t<double>(static_cast<py::ssize_t>(values.size()), values.data()));
}

/// A read-only NumPy array of entries 1..count of a 1-based table.
inline py::array_t<double> arrayOf(const Table<double>& table, int count) {
  py::array_t<double> array(count);
  auto out = array.mutable_unchecked<1>();
  for (int i = 1; i <= count; ++i) out(i - 1) = table(i);
  return readOnly(array);
}

/// The rows of an array-like of `columns` numbers a row, as doubles: at most
/// `rowLimit` rows are taken (enough for the core to refuse too many without
/// copying a huge array). An empty sequence is no rows. Refused naming `what`
/// (and the element, "what[1][2]"): None where a number belongs and any other
/// shape with InputError, bool, text, bytes and complex values with TypeError.
std::vector<std::vector<double>> rowsOf(const py::handle& values, py::ssize_t columns,
                                        std::size_t rowLimit, const std::string& what);

/// A one-dimensional array-like of numbers (or one number) as doubles,
/// refused as rowsOf refuses.
std::vector<double> numbersOf(const py::handle& values, const std::string& what);

}  // namespace norvika::python
