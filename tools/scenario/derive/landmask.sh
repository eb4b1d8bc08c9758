#!/bin/sh
# Derives data/landmask.txt, the land and water of the theatre, from the GSHHG high-resolution
# shorelines. Run by hand, never by the build: needs the Debian packages gmt and gmt-gshhg-high.
# The theatre grid is sampled three times finer than the map cells; landmask.py keeps the
# majority of the nine samples of each cell.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
scratch=${SCRATCH:-/tmp/gm-scenario-derive}
mkdir -p "$scratch"
# Pixel-registered grid: 1080 x 900 samples over 6E..46E, 41N..69N (3 x 3 per cell).
# Values: 0 ocean, 1 land, 2 lake, 3 island in a lake, 4 pond on such an island.
gmt grdlandmask -R6/46/41/69 -I1080+n/900+n -r -Dh -N0/1/2/3/4 -G"$scratch/mask3.nc"
gmt grd2xyz "$scratch/mask3.nc" -ZTLa > "$scratch/mask3.txt"
python3 "$here/landmask.py" "$scratch/mask3.txt" > "$here/../data/landmask.txt"
