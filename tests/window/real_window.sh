#!/usr/bin/env bash
# The game's real window on a virtual X display: the pointer clicks Start, a sidebar page and its
# Close, saves into slot 1 on the Save/Load page and leaves by Quit's Yes. Screenshots must change
# with the screens, the slot must load, and the game must end with status 0 within a few seconds.
# Without a virtual display the test says why and ends with 77, which ctest counts as skipped.
#
#   real_window.sh GAME SIM XWD_FRAME OUT REVIEW
set -u
skip=77

# Runs inside the virtual display, in the folder `out`.
inside() {
  local out=$1 frame=$2 review=$3
  touch "$out/display-up"
  cd "$out/game" || exit 1
  # The window, not SDL's dummy drivers that a headless test run may have chosen.
  unset SDL_VIDEODRIVER
  export SDL_AUDIODRIVER=dummy
  # In a sanitizer build: the X and GL libraries that SDL loads keep memory to the end and are
  # unloaded before the leak check could name them. The game's own leaks are the headless
  # tests' business.
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

  fail() {
    echo "FAIL: $*"
    [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
    exit 1
  }
  shot() {
    xwd -root -silent -out "$out/$1.xwd" || fail "no screenshot $1"
  }
  # Clicks at a point of the game's 800 x 600 frame.
  click() {
    xdotool mousemove "$((X + $1))" "$((Y + $2))"
    sleep 0.2
    xdotool click 1
    sleep "${3:-0.5}"
  }
  # A screenshot; its frame is written for people to look at (build/review/screens/), the
  # checksum of its middle and the colour at (x, y) kept for the checks.
  shot() {
    xwd -root -silent -out "$out/$1.xwd" || fail "no screenshot $1"
    read -r middle colour < <("$frame" "$out/$1.xwd" "$X" "$Y" "${2:-0}" "${3:-0}" \
      "$review/play_window_$1.png") || fail "cannot read the screenshot $1"
    echo "$middle" >"$out/$1.middle"
  }
  differ() {
    cmp -s "$out/$1.middle" "$out/$2.middle" && fail "the screen did not change from $1 to $2"
    echo "$1 and $2 differ"
  }

  ./gravmark --run --window --no-sound >"$out/game.log" 2>&1 &
  pid=$!
  wid=$(timeout 20 xdotool search --sync --name '^Gvm') || fail "the window never opened"
  wid=${wid%%$'\n'*}
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  echo "window $wid at $X,$Y size ${WIDTH}x$HEIGHT"
  xdotool windowfocus --sync "$wid" 2>/dev/null
  # The title screen once the archives and the scenario are loaded: its Start button drawn.
  xdotool mousemove "$((X + 790))" "$((Y + 5))"
  for _ in $(seq 100); do
    shot title 640 450
    [ "$colour" != 000000 ] && break
    sleep 0.2
  done
  sleep 0.5
  shot title
  click 640 450 1     # Start
  shot map
  differ title map
  click 760 368       # the sidebar's Options
  shot page
  differ map page
  click 360 450       # Close
  click 760 417       # Save/Load
  click 570 100       # save mode
  click 450 90        # slot 1
  shot saved
  click 360 450       # Close
  [ -f slot1.sav ] || fail "the Save/Load page wrote no slot1.sav"
  click 760 564       # Quit
  shot quit
  click 240 450 0     # Yes
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the game was still running 5 seconds after Quit's Yes"
  wait "$pid"
  status=$?
  [ "$status" -eq 0 ] || fail "the game ended with status $status: $(cat "$out/game.log")"
  echo "the game ended with status 0"
}

if [ "${1:-}" = "--inside" ]; then
  inside "$2" "$3" "$4"
  exit $?
fi

game=$1 sim=$2 frame=$3 out=$4 review=$5
for tool in xvfb-run Xvfb xdotool xwd; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed (scripts/install-deps.sh installs it)"
    exit $skip
  fi
done
rm -rf "$out"
mkdir -p "$out/game"
out=$(cd "$out" && pwd)
# The game saves beside its program: a folder of its own, seeing the build's data and help.
cp "$game" "$out/game/gravmark"
here=$(dirname "$game")
ln -s "$(cd "$here" && pwd)/data" "$out/game/data"
ln -s "$(cd "$here" && pwd)/help" "$out/game/help"
mkdir -p "$review"
xvfb-run -a -s "-screen 0 800x600x24" bash "$0" --inside "$out" "$frame" "$review" \
  >"$out/inside.log" 2>&1
rc=$?
cat "$out/inside.log"
if [ ! -f "$out/display-up" ]; then
  echo "skipped: no virtual X display could be started (xvfb-run ended with status $rc)"
  exit $skip
fi
[ $rc -eq 0 ] || exit 1
# The saved game loads.
if ! "$sim" --load "$out/game/slot1.sav" --days 0 >"$out/sim.log" 2>&1; then
  echo "FAIL: the slot saved in the window does not load:"
  cat "$out/sim.log"
  exit 1
fi
echo "the window played, saved a game that loads, and closed with status 0"
exit 0
