#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <vector>

namespace norvika {

/// A fixed-capacity table indexed 0..upper. Index 0 exists and is left empty by
/// convention, so formulas keep the 1-based numbering of stations and points.
template <typename T>
class Table {
 public:
  explicit Table(int upper = 0) : values_(static_cast<std::size_t>(upper) + 1) {}

  T& operator()(int i) {
    assert(i >= 0 && i <= upper());
    return values_[static_cast<std::size_t>(i)];
  }
  const T& operator()(int i) const {
    assert(i >= 0 && i <= upper());
    return values_[static_cast<std::size_t>(i)];
  }
  int upper() const { return static_cast<int>(values_.size()) - 1; }
  void clear() { std::fill(values_.begin(), values_.end(), T{}); }

 private:
  std::vector<T> values_;
};

/// A fixed-capacity two-index table, (0..rows, 0..columns).
template <typename T>
class Table2 {
 public:
  Table2(int rows = 0, int columns = 0)
      : columns_(columns + 1),
        values_(static_cast<std::size_t>(rows + 1) * static_cast<std::size_t>(columns + 1)) {}

  T& operator()(int row, int column) {
    assert(row >= 0 && row <= rows() && column >= 0 && column < columns_);
    return values_[static_cast<std::size_t>(row) * columns_ + column];
  }
  const T& operator()(int row, int column) const {
    assert(row >= 0 && row <= rows() && column >= 0 && column < columns_);
    return values_[static_cast<std::size_t>(row) * columns_ + column];
  }
  int rows() const { return static_cast<int>(values_.size() / columns_) - 1; }
  int columns() const { return columns_ - 1; }
  void clear() { std::fill(values_.begin(), values_.end(), T{}); }

 private:
  int columns_;
  std::vector<T> values_;
};

}  // namespace norvika
