// Scan-line filling of a longitude/latitude ring on the map grid.
#pragma once

#include <algorithm>
#include <vector>

namespace gm::scenario {

template <typename F>
void ForEachCellIn(const Ring& ring, F&& fill) {
  if (ring.size() < 3) return;
  double minRow = 1e9, maxRow = -1e9;
  for (const LonLat& p : ring) {
    minRow = std::min(minRow, RowAt(p.lat));
    maxRow = std::max(maxRow, RowAt(p.lat));
  }
  const int y0 = std::max(kFirstRow, static_cast<int>(minRow) - 1);
  const int y1 = std::min(kFirstRow + kRows - 1, static_cast<int>(maxRow) + 1);
  std::vector<double> xs;
  for (int y = y0; y <= y1; ++y) {
    const double cy = y + 0.5;  // the row coordinate of the cell centres
    xs.clear();
    for (std::size_t i = 0; i < ring.size(); ++i) {
      const LonLat& a = ring[i];
      const LonLat& b = ring[(i + 1) % ring.size()];
      const double ay = RowAt(a.lat), by = RowAt(b.lat);
      if ((ay <= cy) == (by <= cy)) continue;
      const double ax = ColumnAt(a.lon), bx = ColumnAt(b.lon);
      xs.push_back(ax + (bx - ax) * (cy - ay) / (by - ay));
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
      // Cells whose centre (x + 0.5) lies between the two crossings.
      const int xa = std::max(0, static_cast<int>(std::ceil(xs[k] - 0.5)));
      const int xb = std::min(kColumns - 1, static_cast<int>(std::floor(xs[k + 1] - 0.5)));
      for (int x = xa; x <= xb; ++x) fill(x, y);
    }
  }
}

bool InsideRing(const Ring& ring, double column, double row);

template <typename F>
void ForEachCellRoughlyIn(const Ring& ring, double jitter, int salt, F&& fill) {
  if (ring.size() < 3) return;
  double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
  for (const LonLat& p : ring) {
    x0 = std::min(x0, ColumnAt(p.lon));
    x1 = std::max(x1, ColumnAt(p.lon));
    y0 = std::min(y0, RowAt(p.lat));
    y1 = std::max(y1, RowAt(p.lat));
  }
  const int pad = static_cast<int>(std::ceil(jitter)) + 1;
  const int xa = std::max(0, static_cast<int>(x0) - pad);
  const int xb = std::min(kColumns - 1, static_cast<int>(x1) + pad);
  const int ya = std::max(kFirstRow, static_cast<int>(y0) - pad);
  const int yb = std::min(kFirstRow + kRows - 1, static_cast<int>(y1) + pad);
  for (int y = ya; y <= yb; ++y)
    for (int x = xa; x <= xb; ++x) {
      const double jx = (SmoothNoise(x, y, salt) - 500) / 500.0 * jitter;
      const double jy = (SmoothNoise(x, y, salt + 31) - 500) / 500.0 * jitter;
      if (InsideRing(ring, x + 0.5 + jx, y + 0.5 + jy)) fill(x, y);
    }
}

}  // namespace gm::scenario
