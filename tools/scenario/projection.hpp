// The map's projection: an equirectangular grid over 6E..46E and 41N..69N. Column c of the
// theatre (0..359) spans 1/9 degree of longitude from 6E + c/9; row r (30..329) spans 7/75 degree
// of latitude southwards from 69N - (r - 30) * 7/75. Cells are about 7.5 km wide and 10.4 km tall
// at 52N; Brest-Litovsk falls in column 158, row 211.
#pragma once

#include <cmath>

namespace gm::scenario {

inline constexpr int kColumns = 360;  // theatre columns 0..359
inline constexpr int kRows = 300;     // theatre rows 30..329
inline constexpr int kFirstRow = 30;
inline constexpr double kWestLon = 6.0;
inline constexpr double kNorthLat = 69.0;
inline constexpr double kColumnsPerDegree = 9.0;
inline constexpr double kRowsPerDegree = 75.0 / 7.0;

// Map column of a longitude and map row of a latitude (may lie outside the theatre).
inline int ColumnOf(double lon) {
  return static_cast<int>(std::floor((lon - kWestLon) * kColumnsPerDegree));
}
inline int RowOf(double lat) {
  return kFirstRow + static_cast<int>(std::floor((kNorthLat - lat) * kRowsPerDegree));
}
// Exact (fractional) grid coordinates, for tracing lines.
inline double ColumnAt(double lon) {
  return (lon - kWestLon) * kColumnsPerDegree;
}
inline double RowAt(double lat) {
  return kFirstRow + (kNorthLat - lat) * kRowsPerDegree;
}
// Centre of a cell.
inline double LonOf(int column) {
  return kWestLon + (column + 0.5) / kColumnsPerDegree;
}
inline double LatOf(int row) {
  return kNorthLat - (row - kFirstRow + 0.5) / kRowsPerDegree;
}

inline bool InTheatre(int column, int row) {
  return column >= 0 && column < kColumns && row >= kFirstRow && row < kFirstRow + kRows;
}

}  // namespace gm::scenario
