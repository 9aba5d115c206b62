// Fixed-size tables indexed from 1, with every index checked. A data or
// style file that would send an index outside a table ends in a clear
// internal error, never in a read or write outside the table.
#pragma once

#include <array>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace packets {

/// An index outside a table: a fault of the program or of input that slipped
/// past a check. Reported in words; never memory corruption.
class TableIndexError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

[[noreturn]] void ThrowIndexError(const char* table, long index, long low, long high);

inline void CheckIndex(const char* table, long index, long high) {
  if (index < 1 || index > high) ThrowIndexError(table, index, 1, high);
}

/// Table 1..N of T.
template <typename T, int N>
class Table {
 public:
  static constexpr int kSize = N;
  explicit Table(const char* name = "table") : name_(name) { cells_.fill(T{}); }
  T& operator[](long i) {
    CheckIndex(name_, i, N);
    return cells_[static_cast<std::size_t>(i - 1)];
  }
  const T& operator[](long i) const {
    CheckIndex(name_, i, N);
    return cells_[static_cast<std::size_t>(i - 1)];
  }
  void Fill(const T& v) { cells_.fill(v); }
  static constexpr int size() { return N; }

 private:
  const char* name_;
  std::array<T, N> cells_{};
};

/// Table 1..N1 x 1..N2 of T, indexed as t(i, j).
template <typename T, int N1, int N2>
class Table2 {
 public:
  explicit Table2(const char* name = "table") : name_(name) { cells_.fill(T{}); }
  T& operator()(long i, long j) {
    CheckIndex(name_, i, N1);
    CheckIndex(name_, j, N2);
    return cells_[static_cast<std::size_t>((i - 1) * N2 + (j - 1))];
  }
  const T& operator()(long i, long j) const {
    CheckIndex(name_, i, N1);
    CheckIndex(name_, j, N2);
    return cells_[static_cast<std::size_t>((i - 1) * N2 + (j - 1))];
  }
  void Fill(const T& v) { cells_.fill(v); }

 private:
  const char* name_;
  std::array<T, static_cast<std::size_t>(N1) * N2> cells_{};
};

/// One row per sector (1..N), each row as long as that sector needs: a
/// sector of a whole-book material can hold thousands of regular questions.
/// Entry (s, k) is question k of sector s.
template <typename T, int N>
class SectorTable {
 public:
  explicit SectorTable(const char* name = "table") : name_(name) {}
  /// Gives sector s room for `count` entries, all set to v.
  void Size(long s, long count, const T& v) {
    CheckIndex(name_, s, N);
    rows_[static_cast<std::size_t>(s - 1)].assign(static_cast<std::size_t>(count < 0 ? 0 : count),
                                                  v);
  }
  /// Sets every entry of every sector to v, keeping the sizes.
  void Fill(const T& v) {
    for (auto& row : rows_) std::fill(row.begin(), row.end(), v);
  }
  long Count(long s) const {
    CheckIndex(name_, s, N);
    return static_cast<long>(rows_[static_cast<std::size_t>(s - 1)].size());
  }
  /// Sector s's entries, for loops over a whole sector.
  std::span<const T> Row(long s) const {
    CheckIndex(name_, s, N);
    return rows_[static_cast<std::size_t>(s - 1)];
  }
  T& operator()(long s, long k) {
    CheckIndex(name_, s, N);
    auto& row = rows_[static_cast<std::size_t>(s - 1)];
    CheckIndex(name_, k, static_cast<long>(row.size()));
    return row[static_cast<std::size_t>(k - 1)];
  }
  const T& operator()(long s, long k) const {
    CheckIndex(name_, s, N);
    const auto& row = rows_[static_cast<std::size_t>(s - 1)];
    CheckIndex(name_, k, static_cast<long>(row.size()));
    return row[static_cast<std::size_t>(k - 1)];
  }

 private:
  const char* name_;
  std::array<std::vector<T>, N> rows_{};
};

}  // namespace packets
