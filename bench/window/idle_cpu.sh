#!/usr/bin/env bash
# The real window at rest on a virtual X display: the game's processor use over 10 seconds on
# the title screen and on the map with no input, and its resident memory. Reports numbers only;
# with FIGURES_FILE, also appends the two processor figures to it for the table of `make bench`.
#
#   idle_cpu.sh BUILD_DIR [FIGURES_FILE]
set -u

measure() {  # processor use of process $1 over $2 seconds, in percent of one core
  local pid=$1 secs=$2 a b hz
  hz=$(getconf CLK_TCK)
  a=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  sleep "$secs"
  b=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  awk -v a="$a" -v b="$b" -v hz="$hz" -v s="$secs" 'BEGIN {printf "%.1f", 100 * (b - a) / hz / s}'
}

if [ "${1:-}" = "--inside" ]; then
  cd "$2" || exit 1
  unset SDL_VIDEODRIVER
  export SDL_AUDIODRIVER=dummy
  ./gravmark --run --window --no-sound >/dev/null 2>&1 &
  pid=$!
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Gvm') || {
    echo "the window never opened"
    kill "$pid"
    exit 1
  }
  eval "$(xdotool getwindowgeometry --shell "${wid%%$'\n'*}")"
  xdotool mousemove "$((X + 790))" "$((Y + 5))"
  sleep 3
  title=$(measure "$pid" 10)
  echo "idle on the title screen: $title% of one core"
  xdotool mousemove "$((X + 640))" "$((Y + 450))" click 1
  sleep 1
  xdotool mousemove "$((X + 360))" "$((Y + 270))"  # the middle of the map: no edge scrolling
  sleep 3
  map=$(measure "$pid" 10)
  echo "idle on the map: $map% of one core"
  if [ -n "${3:-}" ]; then printf 'idle.title\t%s\nidle.map\t%s\n' "$title" "$map" >>"$3"; fi
  echo "resident memory: $(awk '/VmRSS/ {printf "%.0f MB", $2 / 1024}' "/proc/$pid/status")"
  kill "$pid"
  exit 0
fi

build=$(cd "${1:-build}" && pwd)
figures=""
if [ -n "${2:-}" ]; then figures=$(cd "$(dirname "$2")" && pwd)/$(basename "$2"); fi
if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
  echo "idle_cpu: skipped, xvfb-run or xdotool missing (scripts/install-deps.sh installs them)"
  exit 0
fi
xvfb-run -a -s "-screen 0 800x600x24" bash "$0" --inside "$build" "$figures"
