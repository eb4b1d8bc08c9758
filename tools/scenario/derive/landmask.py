#!/usr/bin/env python3
"""Turns the GSHHG sample grid (three samples a cell each way) into the theatre's land mask.

Writes one line per map row 30..329, one character per column 0..359:
'.' land, '~' sea, '=' lake. A cell is water when most of its nine samples are water, and a lake
when more of them are lake than ocean. Reservoirs filled after June 1941 are put back to land:
their rivers are drawn from data/authored/rivers.txt instead.
"""
import sys

COLS, ROWS, SUB = 360, 300, 3

# Boxes (west, east, south, north) around the reservoirs that did not exist on 22 June 1941:
# every lake cell inside becomes land again.
RESERVOIRS_AFTER_1941 = [
    (30.2, 35.6, 46.6, 51.2, "Dnieper cascade: Kiev 1964, Kanev 1972, Kremenchug 1961, "
     "Dneprodzerzhinsk 1964, Kakhovka 1956; the 1932 Zaporozhye pool is drawn as the river"),
    (41.5, 43.8, 47.6, 48.8, "Tsimlyansk reservoir on the Don, 1952"),
    (44.3, 46.0, 48.7, 51.6, "Volgograd and Saratov reservoirs on the Volga, 1961 and 1967"),
    (42.5, 43.6, 56.5, 57.6, "Gorky reservoir on the Volga, 1957"),
    (37.5, 39.2, 58.0, 59.1, "Rybinsk reservoir, filled from 1941 on"),
    (38.8, 39.6, 44.9, 45.2, "Krasnodar reservoir on the Kuban, 1973"),
    (27.0, 27.6, 48.4, 48.7, "Dniester reservoir, 1983"),
    (37.5, 37.9, 49.2, 49.6, "Oskol reservoir, 1978"),
]


def main():
    values = [int(float(line)) for line in open(sys.argv[1])]
    width = COLS * SUB
    assert len(values) == width * ROWS * SUB, len(values)
    grid = []
    for r in range(ROWS):
        row = []
        for c in range(COLS):
            ocean = lake = 0
            for dy in range(SUB):
                for dx in range(SUB):
                    v = values[(r * SUB + dy) * width + c * SUB + dx]
                    if v == 0:
                        ocean += 1
                    elif v in (2, 4):
                        lake += 1
            if ocean + lake >= 5:
                row.append('=' if lake > ocean else '~')
            else:
                row.append('.')
        grid.append(row)

    for west, east, south, north, what in RESERVOIRS_AFTER_1941:
        n = 0
        for r in range(ROWS):
            lat = 69.0 - (r + 0.5) * 7 / 75
            for c in range(COLS):
                lon = 6.0 + (c + 0.5) / 9
                if west <= lon <= east and south <= lat <= north and grid[r][c] == '=':
                    grid[r][c] = '.'
                    n += 1
        print("dried %3d cells: %s" % (n, what), file=sys.stderr)

    print("# Land and water of the theatre from the GSHHG high-resolution shorelines, derived by")
    print("# derive/landmask.sh (not at build time). One line per map row 30..329, one character per")
    print("# column 0..359: '.' land, '~' sea, '=' lake. Cell (c, r) is centred on longitude")
    print("# 6 + (c + 0.5) / 9 east and latitude 69 - (r - 30 + 0.5) * 7 / 75 north.")
    print("# Reservoirs filled after 22 June 1941 are land here; their rivers are authored.")
    for row in grid:
        print(''.join(row))


main()
