#!/usr/bin/env bash
# The table that ends `make bench`: for each row of bench/figures.txt, the median its source
# measured and the aim. Reports numbers only.
#
#   figure_table.sh BUILD_DIR
set -u
here=$(cd "$(dirname "$0")" && pwd)
results="$(cd "${1:-build}" && pwd)/bench-results"

# The median of the numbers on standard input, one a line.
median() {
  sort -g | awk '{v[NR] = $1} END {
    if (NR == 0) exit
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf (m >= 100 ? "%.0f\n" : m >= 10 ? "%.1f\n" : m >= 1 ? "%.2f\n" : "%.3g\n"), m
  }'
}

# The median of a Google Benchmark run in a JSON report: its "median" aggregate, or the median
# of its single runs when it was not repeated. Times are converted to the row's unit.
json_figure() {  # file run_name field unit
  [ -f "$1" ] || return 0
  awk -v want="$2" -v field="$3" -v unit="$4" '
    function value(line) { sub(/^ *"[^"]*": */, "", line); sub(/,$/, "", line); gsub(/"/, "", line); return line }
    BEGIN { per["ns"] = 1e-9; per["us"] = 1e-6; per["ms"] = 1e-3; per["s"] = 1 }
    /^ *"run_name":/ { name = value($0) }
    /^ *"run_type":/ { type = value($0) }
    /^ *"aggregate_name":/ { agg = value($0) }
    /^ *"error_occurred": true/ { failed = 1 }
    /^ *"time_unit":/ { tu = value($0) }
    $0 ~ "^ *\"" field "\":" { v = value($0) }
    /^    }/ {
      if (name == want && !failed && v != "") {
        if ((field == "cpu_time" || field == "real_time") && (tu in per) && (unit in per)) {
          v = v * per[tu] / per[unit]
        }
        if (type == "aggregate" && agg == "median") median = v
        if (type == "iteration") runs[++n] = v
      }
      name = type = agg = tu = v = ""; failed = 0
    }
    END {
      if (median != "") print median
      else for (i = 1; i <= n; ++i) print runs[i]
    }' "$1"
}

printf '\n== figures\n%-52s %12s  %-12s %s\n' "figure" "median" "unit" "aim"
grep -v '^#' "$here/figures.txt" | while IFS='|' read -r figure source unit aim; do
  [ -n "${source// /}" ] || continue
  read -r kind a b c <<< "$source"
  unit=$(echo "$unit" | xargs)
  case "$kind" in
    json) value=$(json_figure "$results/$a.json" "$b" "$c" "$unit" | median) ;;
    tsv) value=$([ -f "$results/figures.tsv" ] && awk -F'\t' -v k="$a" '$1 == k {print $2}' "$results/figures.tsv" | median) ;;
    *) value="" ;;
  esac
  printf '%-52s %12s  %-12s %s\n' "$(echo "$figure" | xargs)" "${value:--}" "$unit" "$(echo "$aim" | xargs)"
done
