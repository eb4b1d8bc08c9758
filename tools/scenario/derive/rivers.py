#!/usr/bin/env python3
"""Simplifies the WDBII river lines and writes them one polyline a line: the level, then the
points as longitude,latitude in thousandths of a degree. Pieces that the shoreline bins cut apart
are joined end to end so that a river reads as few lines as possible."""
import sys

TOLERANCE = 0.02  # degrees; a map cell is about 0.11 x 0.09 degrees


def read(path, level):
    lines, cur = [], None
    for line in open(path):
        if line.startswith('>'):
            cur = []
            lines.append((level, cur))
            continue
        lon, lat = map(float, line.split()[:2])
        cur.append((round(lon, 3), round(lat, 3)))
    return [l for l in lines if len(l[1]) >= 2]


def join(lines):
    # Join pieces of the same level whose ends meet, until none meet.
    changed = True
    while changed:
        changed = False
        ends = {}
        for i, (lvl, pts) in enumerate(lines):
            ends.setdefault((lvl, pts[0]), []).append(i)
        for i, (lvl, pts) in enumerate(lines):
            if pts is None:
                continue
            for j in ends.get((lvl, pts[-1]), []):
                if j != i and lines[j][1] is not None and lines[j][1] is not pts:
                    pts.extend(lines[j][1][1:])
                    lines[j] = (lvl, None)
                    changed = True
                    break
        lines = [l for l in lines if l[1] is not None]
    return lines


def simplify(pts):
    if len(pts) < 3:
        return pts
    keep = [False] * len(pts)
    keep[0] = keep[-1] = True
    stack = [(0, len(pts) - 1)]
    while stack:
        a, b = stack.pop()
        (x0, y0), (x1, y1) = pts[a], pts[b]
        dx, dy = x1 - x0, y1 - y0
        norm = (dx * dx + dy * dy) ** 0.5
        best, at = -1.0, -1
        for k in range(a + 1, b):
            x, y = pts[k]
            if norm == 0:
                d = ((x - x0) ** 2 + (y - y0) ** 2) ** 0.5
            else:
                d = abs(dy * (x - x0) - dx * (y - y0)) / norm
            if d > best:
                best, at = d, k
        if best > TOLERANCE:
            keep[at] = True
            stack += [(a, at), (at, b)]
    return [p for p, k in zip(pts, keep) if k]


def main():
    lines = []
    for level, path in enumerate(sys.argv[1:], start=1):
        lines += read(path, level)
    lines = join(lines)
    print("# Rivers of the theatre from the WDBII data of GSHHG, derived by derive/rivers.sh (not at")
    print("# build time). One polyline a line: level (1 permanent major river, 2 additional major,")
    print("# 3 additional river), then longitude,latitude points in thousandths of a degree.")
    for level, pts in lines:
        pts = simplify(pts)
        print(level, ' '.join('%d,%d' % (round(x * 1000), round(y * 1000)) for x, y in pts))


main()
