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
  # Clicks at a point of the game's 800 x 600 frame.
  click() {
    xdotool mousemove "$((X + $1))" "$((Y + $2))"
    sleep 0.2
    xdotool click 1
    sleep "${3:-0.5}"
  }
  # A screenshot: the checksum of its frame's middle kept for the checks, the colour of the
  # frame's pixel (640, 450) (Start on the title screen) in $colour. With a second word "png"
  # the frame is also written for people to look at (build/review/screens/).
  shot() {
    local png=()
    [ "${2:-}" = png ] && png=("$review/play_window_$1.png")
    xwd -root -silent -out "$out/$1.xwd" || fail "no screenshot $1"
    read -r middle colour < <("$frame" "$out/$1.xwd" "$X" "$Y" 640 450 "${png[@]}") ||
      fail "cannot read the screenshot $1"
    echo "$middle" >"$out/$1.middle"
  }
  # Screenshots `name` for about two seconds, longer than a blink of the map: every picture of
  # the frame's middle that the screen shows, one a line in name.middles.
  watch() {
    : >"$out/$1.middles"
    for i in $(seq 12); do
      shot "$1" "$([ "$i" -eq 12 ] && echo png)"
      cat "$out/$1.middle" >>"$out/$1.middles"
      sleep 0.2
    done
  }
  # Clicks, then takes screenshots `name` until the frame's middle is none of the pictures the
  # screen `from` showed: the screen has changed (then watched in turn). Fails after 10 seconds.
  click_to() {
    local x=$1 y=$2 from=$3 name=$4
    click "$x" "$y" 0
    for _ in $(seq 50); do
      sleep 0.2
      shot "$name"
      if ! grep -qxF "$(cat "$out/$name.middle")" "$out/$from.middles"; then
        echo "$from -> $name: the screen changed"
        watch "$name"
        return
      fi
    done
    fail "the screen did not change from $from to $name"
  }

  ./gravmark --run --window --no-sound >"$out/game.log" 2>&1 &
  pid=$!
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Gvm') || fail "the window never opened"
  wid=${wid%%$'\n'*}
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  echo "window $wid at $X,$Y size ${WIDTH}x$HEIGHT"
  xdotool windowfocus --sync "$wid" 2>/dev/null
  # The title screen once the archives and the scenario are loaded: its Start button drawn.
  xdotool mousemove "$((X + 790))" "$((Y + 5))"
  for _ in $(seq 100); do
    shot title
    [ "$colour" != 000000 ] && break
    sleep 0.2
  done
  watch title
  click_to 640 450 title map    # Start
  click_to 760 368 map page     # the sidebar's Options
  click_to 360 450 page closed  # Close
  click 760 417                 # Save/Load
  click 570 100                 # save mode
  click 450 90                  # slot 1
  for _ in $(seq 50); do
    [ -f slot1.sav ] && break
    sleep 0.2
  done
  [ -f slot1.sav ] || fail "the Save/Load page wrote no slot1.sav"
  watch saved
  click_to 360 450 saved back   # Close
  click_to 760 564 back quit    # Quit
  click 240 450 0               # Yes
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
