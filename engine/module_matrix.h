#pragma once
// The modules of a two-dimensional symbol: rows from the top, columns from the left, each dark or
// light, without the quiet zone around it.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace bars {

class TModuleMatrix {
 public:
  TModuleMatrix() = default;
  // `rows` x `columns` light modules.
  TModuleMatrix(std::int32_t rows, std::int32_t columns)
      : rows_(rows),
        columns_(columns),
        modules_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns), 0) {}

  std::int32_t Rows() const noexcept { return rows_; }
  std::int32_t Columns() const noexcept { return columns_; }
  bool Empty() const noexcept { return modules_.empty(); }

  // Whether the module at (row, column) is dark; both must lie inside the matrix.
  bool Dark(std::int32_t row, std::int32_t column) const { return modules_[Index(row, column)]; }
  void Set(std::int32_t row, std::int32_t column, bool dark) {
    modules_[Index(row, column)] = dark;
  }
  // One row, one byte a module (1 dark, 0 light).
  const std::uint8_t* Row(std::int32_t row) const { return &modules_[Index(row, 0)]; }

  friend bool operator==(const TModuleMatrix&, const TModuleMatrix&) = default;

 private:
  std::size_t Index(std::int32_t row, std::int32_t column) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column);
  }

  std::int32_t rows_ = 0;
  std::int32_t columns_ = 0;
  std::vector<std::uint8_t> modules_;
};

}  // namespace bars
