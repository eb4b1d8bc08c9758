#!/bin/sh
# Derives data/rivers.txt, the major rivers of the theatre, from the WDBII rivers that come with
# GSHHG. Run by hand, never by the build: needs the Debian packages gmt and gmt-gshhg-high.
# Levels: 1 permanent major rivers, 2 additional major rivers, 3 additional rivers.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
scratch=${SCRATCH:-/tmp/gm-scenario-derive}
mkdir -p "$scratch"
for level in 1 2 3; do
  gmt coast -R6/46/41/69 -Dh -I$level -M > "$scratch/rivers$level.txt"
done
python3 "$here/rivers.py" "$scratch/rivers1.txt" "$scratch/rivers2.txt" "$scratch/rivers3.txt" \
  > "$here/../data/rivers.txt"
