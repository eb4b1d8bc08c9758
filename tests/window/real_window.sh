#!/usr/bin/env bash
# The game's real window on a virtual X display, which has no window manager:
# - in a window on an 800 x 600 display, the pointer clicks Start, a sidebar page and its Close,
#   saves into slot 1 on the Save/Load page and leaves by Quit's Yes. Screenshots must change
#   with the screens, the slot must load, and the game must end with status 0 within a few
#   seconds.
# - full screen on a 1024 x 768 display, where nothing grants it, started by --run without
#   --window and by the settings dialog's "Run!" with its default display: the title screen and,
#   after Start clicked where the window shows it, the Battlefield look as they did in the window
#   (the frame taken back to 800 x 600 from the window the game really has), and Quit's Yes ends
#   the game with status 0.
# - the window's close, sent as a window manager's close button sends it (WM_DELETE_WINDOW, by
#   WM_CLOSE): on the title screen it ends the game; during a game it brings the Quit page as the
#   sidebar's Quit does, also sent twice 0.1 s apart, and a later one ends the game with status 0.
#   SIGTERM and SIGHUP end a game at once, with status 0.
# - without the scenario, the message naming it is shown in a message box over the window as
#   well as in the log: the box stands centred on the display with its caption drawn, takes
#   Return without a click (it has the keyboard), and the game then ends with status 1; a SIGTERM
#   while the box stands ends the game with status 1 too.
# - with openers on PATH that start and fail a moment later (no browser behind them), the
#   title's link and the Help page's "View full off-line documentation" show where the guide
#   lies, and the game goes on answering: Close, Quit and Yes.
# - with its output on a pipe whose reader has gone, the game survives the log's failing lines
#   of a link that opened nothing: Start, Quit and Yes end it with status 0.
# - with an opener that runs the browser in the foreground and so runs on, the title shows the
#   guide's path quietly once the game stops waiting, a second link reaches that browser, and
#   `gravmark | cat` ends with the game though the opener runs on.
# Without a virtual display the test says why and ends with 77, which ctest counts as skipped.
#
#   real_window.sh GAME SIM XWD_FRAME OUT REVIEW WM_CLOSE
set -u
skip=77

fail() {
  echo "FAIL: $*"
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  exit 1
}

# Where the game's frame lies on the screen in window $1 (FX, FY, FW x FH): the largest 4:3
# rectangle centred in the window, as the game letterboxes its picture.
find_frame() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  FW=$WIDTH
  FH=$((WIDTH * 600 / 800))
  if [ "$FH" -gt "$HEIGHT" ]; then
    FH=$HEIGHT
    FW=$((HEIGHT * 800 / 600))
  fi
  FX=$((X + (WIDTH - FW) / 2))
  FY=$((Y + (HEIGHT - FH) / 2))
  echo "window $1 at $X,$Y size ${WIDTH}x$HEIGHT, its frame ${FW}x$FH at $FX,$FY"
}
# Moves the pointer to a point of the game's 800 x 600 frame.
point() {
  xdotool mousemove "$((FX + $1 * FW / 800))" "$((FY + $2 * FH / 600))"
}
# Clicks at a point of the frame.
click() {
  point "$1" "$2"
  sleep 0.2
  xdotool click 1
  sleep "${3:-0.5}"
}
# A screenshot: the checksum of its frame's middle (or, with a third word, of the frame's area
# left,top,right,bottom) kept for the checks in $middle and name.middle, the colour of the
# frame's pixel (640, 450) (Start on the title screen) in $colour. With a second word "png" the
# frame is also written for people to look at (build/review/screens/).
shot() {
  local png=-
  [ "${2:-}" = png ] && png="$review/play_window_$1.png"
  xwd -root -silent -out "$out/$1.xwd" || fail "no screenshot $1"
  read -r middle colour < \
    <("$frame" "$out/$1.xwd" "$FX" "$FY" "$FW" "$FH" 640 450 "$png" ${3:+"$3"}) ||
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
# The pointer goes to the frame's top right corner first: the game's own cursor, wherever the
# click left it, is no change of screen.
click_to() {
  local x=$1 y=$2 from=$3 name=$4
  click "$x" "$y" 0
  point 790 5
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

# Takes screenshots `name` until the frame's middle is one of the pictures the screen `seen`
# showed in the windowed run: the same screen, drawn alike. Fails after 10 seconds with `why`.
wait_for_seen() {
  local name=$1 seen=$2 why=$3
  for _ in $(seq 50); do
    shot "$name"
    if grep -qxF "$(cat "$out/$name.middle")" "$out/$seen.middles"; then
      echo "$name: drawn as $seen in a window"
      return
    fi
    sleep 0.2
  done
  shot "$name" png
  fail "$why"
}

# Starts the game with the options given, in the folder game/ (without --run through the
# settings dialog's "Run!"), and waits for its title screen (`title`: its Start button drawn) in
# the window it really has.
start_game() {
  local title=$1
  shift
  cd "$out/game" || exit 1
  ./gravmark "$@" >"${game_output:-$out/game.log}" 2>&1 &
  pid=$!
  if [[ " $* " != *" --run "* ]]; then
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Gravmark$') ||
      fail "the settings dialog never opened"
    find_frame "${wid%%$'\n'*}"
    # Run! once the dialog has drawn it (its face is not the black of an empty window).
    for _ in $(seq 100); do
      xwd -root -silent -out "$out/dialog.xwd" &&
        read -r _ colour < <("$frame" "$out/dialog.xwd" "$FX" "$FY" "$FW" "$FH" 153 381 -) &&
        [ "$colour" != 000000 ] && break
      sleep 0.2
    done
    click 153 381  # Run!
  fi
  # The game reads its world before its window opens: slow in a sanitizer build beside other
  # tests, so a minute.
  wid=$(timeout 60 xdotool search --sync --onlyvisible --name '^Gvm') ||
    fail "the window never opened ($(kill -0 "$pid" 2>/dev/null && echo running || echo ended);" \
      "windows: $(xdotool search --onlyvisible --name '' getwindowname %@ 2>/dev/null | tr '\n' '|')):" \
      "$(cat "${game_output:-$out/game.log}" 2>/dev/null)"
  wid=${wid%%$'\n'*}
  find_frame "$wid"
  xdotool windowfocus --sync "$wid" 2>/dev/null
  point 790 5
  for _ in $(seq 100); do
    shot "$title"
    [ "$colour" != 000000 ] && break
    sleep 0.2
  done
}

# In a window: Start, a page, a save, Quit.
in_a_window() {
  start_game title --run --window --no-sound
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
  yes_ends_the_game
}

# Full screen that may not be granted, by --run and by the settings dialog's default: the
# screens drawn as in a window, whatever the window's size, and Start and Quit clicked where the
# window shows them.
full_screen_game() {
  local name=$1
  shift
  start_game "${name}_title" "$@"
  wait_for_seen "${name}_title" title "the title screen does not fill the window the game has"
  shot "${name}_title" png
  click 640 450 0  # Start
  point 790 5
  wait_for_seen "${name}_map" map "Start, clicked where the window shows it, brought no Battlefield"
  shot "${name}_map" png
  click 760 564 0  # Quit
  point 790 5
  wait_for_seen "${name}_quit" quit "Quit, clicked where the window shows it, brought no Quit page"
  yes_ends_the_game
}
full_screen() {
  full_screen_game full_screen --run --no-sound
  full_screen_game dialog_full_screen --no-sound
}

# Waits up to 5 seconds for the game to end after `what`; its status must be `want` (the log
# `log` says why when not).
ends_with() {
  local want=$1 what=$2 log=$3
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the game was still running 5 seconds after $what"
  wait "$pid"
  local status=$?
  [ "$status" -eq "$want" ] || fail "the game ended with status $status after $what, not $want: $(cat "$log")"
  echo "$what: the game ended with status $want"
}

# Quit's Yes, then the game must end with status 0.
yes_ends_the_game() {
  click 240 450 0
  ends_with 0 "Quit's Yes" "$out/game.log"
}

# Asks the game's window to close, as a window manager's close button or Alt+F4 does.
close_window() {
  "$wm_close" "$wid" || fail "the game's window could not be asked to close"
  sleep 0.5
}

# Two closes 0.1 s apart, as a double click on the title bar's button sends them.
close_window_twice() {
  "$wm_close" "$wid" || fail "the game's window could not be asked to close"
  sleep 0.1
  close_window
}

# The window's close: the title screen ends; a game asks on the Quit page first, and a second
# close ends it. Termination signals end a game at once and cleanly.
window_closing() {
  start_game close_title --run --window --no-sound
  close_window
  ends_with 0 "the window's close on the title screen" "$out/game.log"
  start_game close_title --run --window --no-sound
  click 640 450 0  # Start
  point 790 5
  wait_for_seen close_map map "Start brought no Battlefield"
  close_window_twice
  wait_for_seen close_quit quit "the window's close during a game brought no Quit page"
  shot close_quit png
  kill -0 "$pid" 2>/dev/null || fail "the window's close during a game ended it without asking"
  close_window
  ends_with 0 "the window's second close" "$out/game.log"
  for signal in TERM HUP; do
    start_game "sig${signal,,}_title" --run --window
    click 640 450 0  # Start
    point 790 5
    wait_for_seen "sig${signal,,}_map" map "Start brought no Battlefield"
    kill -"$signal" "$pid"
    ends_with 0 "SIG$signal during a game" "$out/game.log"
  done
}

# Starts the game without its scenario, in the folder bare/, and waits for its message box: a
# window beside the game's and the screen's own, in $box; its place and size in X, Y, WIDTH,
# HEIGHT. The key $HOLD, if set, is held down from when the game's window opens.
start_without_scenario() {
  mkdir -p "$out/bare/data"
  cp "$out/game/gravmark" "$out/bare/"
  for archive in graphic.dxg techn.dxg; do
    ln -sf "$(readlink -f "$out/game/data/$archive")" "$out/bare/data/$archive"
  done
  cd "$out/bare" || exit 1
  local root attempt
  root=$(xdotool search --onlyvisible --maxdepth 0 '' 2>/dev/null)
  # A key held from before the box: pressed while the game, stopped as soon as its window shows,
  # has not yet come to the box. A start whose box came first is tried again.
  for attempt in 1 2 3 4 5; do
    ./gravmark --run --window --no-sound >"$out/bare.log" 2>&1 &
    pid=$!
    wid=""
    for _ in $(seq 2000); do
      wid=$(xdotool search --onlyvisible --name '^Gvm' 2>/dev/null) && break
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.01
    done
    [ -n "$wid" ] || fail "the window never opened"
    wid=${wid%%$'\n'*}
    [ -n "${HOLD:-}" ] || break
    kill -STOP "$pid"
    [ -z "$(xdotool search --onlyvisible --maxdepth 1 '' 2>/dev/null | grep -vxF -e "$wid" -e "$root")" ] && break
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null
    [ "$attempt" -lt 5 ] || fail "the message box came before a key could be held, five times"
  done
  if [ -n "${HOLD:-}" ]; then
    xdotool keydown "$HOLD"
    kill -CONT "$pid"
  fi
  find_frame "$wid"
  box=""
  for _ in $(seq 100); do
    box=$(xdotool search --onlyvisible --maxdepth 1 '' 2>/dev/null |
      grep -vxF -e "$wid" -e "$root" | head -n 1)
    [ -n "$box" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$box" ]; then
    grep -q "cannot show a message box" "$out/bare.log" &&
      fail "no message box could be shown: $(cat "$out/bare.log")"
    fail "no message box came up: $(cat "$out/bare.log")"
  fi
  grep -qF "$out/bare/data/evrasia.scn" "$out/bare.log" || fail "the log does not name the scenario"
  sleep 0.5
  kill -0 "$pid" 2>/dev/null || fail "the game did not wait for its message box to be closed"
  eval "$(xdotool getwindowgeometry --shell "$box")"
  echo "a message box of ${WIDTH}x$HEIGHT at $X,$Y"
}

# Without the scenario: the message is shown in a box over the window as well as in the log. The
# box stands in the middle of the display with its caption, and Return closes it with no click
# into it (the pointer away from it): the game ends with status 1. A Return held from before the
# box appeared, repeating, closes nothing.
cannot_start() {
  HOLD=Return start_without_scenario
  shot cannot_start png
  local screen_w screen_h middle caption
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)
  middle=$(((X + WIDTH / 2 - screen_w / 2) ** 2 + (Y + HEIGHT / 2 - screen_h / 2) ** 2))
  [ "$middle" -le 2 ] || fail "the message box stands off the display's middle (${screen_w}x$screen_h)"
  # The caption bar's colour at its right end, where its text does not reach.
  read -r _ caption < <("$frame" "$out/cannot_start.xwd" "$X" "$Y" "$WIDTH" "$HEIGHT" \
    $((800 - 8 * 800 / WIDTH)) $((6 * 600 / HEIGHT))) || fail "cannot read the box's screenshot"
  [ "$caption" = 404830 ] || fail "the message box shows no caption bar (its corner is $caption)"
  xdotool keyup Return
  kill -0 "$pid" 2>/dev/null || fail "a Return held from before the message box closed it"
  xdotool mousemove 0 0
  xdotool key Return
  ends_with 1 "Return in the message box" "$out/bare.log"
}

# A termination signal while the box stands ends the game with the error's status.
cannot_start_terminated() {
  start_without_scenario
  kill -TERM "$pid"
  ends_with 1 "SIGTERM while the message box stood" "$out/bare.log"
}

# Presses the link at $1,$2 and waits until the frame's area $3 differs from how it was before
# (the guide's path shown there), screenshot `name` ($4). Fails after 10 seconds.
link_shows_the_path() {
  local x=$1 y=$2 area=$3 name=$4 before
  point "$x" "$y"
  sleep 0.3
  point 790 5
  sleep 0.3
  shot "${name}_before" "" "$area"
  before=$middle
  click "$x" "$y" 0
  point 790 5
  for _ in $(seq 50); do
    sleep 0.2
    shot "$name" "" "$area"
    if [ "$middle" != "$before" ]; then
      shot "$name" png "$area"
      echo "$name: the guide's path is shown"
      return
    fi
  done
  shot "$name" png "$area"
  fail "$name: no path shown after the link was pressed: $(cat "$out/game.log")"
}

# Openers that start and fail a moment later, as with no browser installed behind them.
failing_openers() {
  local bin=$out/failing-openers
  mkdir -p "$bin"
  printf '#!/bin/sh
sleep 0.5
echo "xdg-open: no method available for opening $1" >&2
exit 3
' \
    >"$bin/xdg-open"
  printf '#!/bin/sh
sleep 1
echo "Couldn'"'"'t find a suitable web browser!" >&2
exit 1
' \
    >"$bin/sensible-browser"
  printf '#!/bin/sh
exit 1
' >"$bin/x-www-browser"
  chmod +x "$bin"/*
  echo "$bin"
}

# The title's link and the Help page's guide link with only failing openers: the path is shown
# where the link lies, and the game goes on answering.
link_opens_nothing() {
  local bin
  bin=$(failing_openers)
  PATH="$bin:$PATH" BROWSER="" start_game links_title --run --window --no-sound
  watch links_title
  link_shows_the_path 400 17 100,540,700,600 title_guide_not_opened  # the title line
  click_to 640 450 links_title links_map                          # Start
  click_to 760 515 links_map links_help                           # the sidebar's Help
  click_to 600 400 links_help links_help_6                        # its FULL INFO topic
  link_shows_the_path 300 351 60,472,700,540 help_guide_not_opened  # the guide's line
  grep -qF "sensible-browser did not open it: it ended with status 1" "$out/game.log" ||
    fail "the failing opener never ran: $(cat "$out/game.log")"
  grep -qF "open $(cd "$out/game" && pwd -P)/help/gvm.htm by hand" "$out/game.log" ||
    grep -qF "open $out/game/help/gvm.htm by hand" "$out/game.log" ||
    fail "the log does not say where the guide lies: $(cat "$out/game.log")"
  click_to 360 450 links_help_6 links_closed  # Close answers
  click_to 760 564 links_closed links_quit    # Quit
  yes_ends_the_game
}

# Output on a pipe whose reader has gone: the failing openers' log lines do not end the game.
closed_output() {
  local bin dead
  bin=$(failing_openers)
  exec {dead}> >(:)
  PATH="$bin:$PATH" BROWSER="" game_output=/dev/fd/$dead start_game dead_title --run --window
  exec {dead}>&-
  watch dead_title
  link_shows_the_path 400 17 100,540,700,600 dead_output_guide_not_opened
  kill -0 "$pid" 2>/dev/null || fail "the game ended when its log could not be written"
  click_to 640 450 dead_title dead_map  # Start
  click_to 760 564 dead_map dead_quit   # Quit
  yes_ends_the_game
}

# An opener that runs the browser in the foreground, as a generic opener does where none runs:
# the first link's stays for the browser's life, a later one hands its address to that browser.
# The game's output is read by cat.
hanging_opener() {
  local bin=$out/hanging-opener piped cat
  mkdir -p "$bin"
  printf '#!/bin/sh\necho "$1" >>"%s/browser.txt"\n' "$out" >"$bin/xdg-open"
  printf 'if read -r p <"%s/hanging.pid" && kill -0 "$p"; then exit 0; fi\n' "$out" >>"$bin/xdg-open"
  printf 'echo $$ >"%s/hanging.pid"\nexec sleep 120\n' "$out" >>"$bin/xdg-open"
  chmod +x "$bin/xdg-open"
  trap 'kill $(cat "$out/hanging.pid" 2>/dev/null) 2>/dev/null' EXIT
  exec {piped}> >(cat >"$out/piped.log")
  cat=$!
  PATH="$bin:$PATH" BROWSER="" game_output=/dev/fd/$piped start_game hang_title --run --window
  exec {piped}>&-
  link_shows_the_path 400 17 100,540,700,600 title_guide_maybe_opened
  click 400 17 0
  point 790 5
  for _ in $(seq 50); do
    [ "$(wc -l <"$out/browser.txt")" -ge 2 ] && break
    sleep 0.2
  done
  [ "$(wc -l <"$out/browser.txt")" -eq 2 ] ||
    fail "the second link did not reach the browser the first started: $(cat "$out/browser.txt")"
  echo "the second link reached the browser the first link started"
  close_window
  ends_with 0 "the window's close" "$out/piped.log"
  timeout 3 tail --pid="$cat" -f /dev/null || fail "cat still reads the game's output: an opener kept it"
  kill -0 "$(cat "$out/hanging.pid")" || fail "the hanging opener was ended"
  echo "the game's output pipe ended with the game, its opener still running"
}

# The runs on a display larger than the frame.
larger_display() {
  full_screen
  cannot_start
  cannot_start_terminated
}

# Runs inside a virtual display: `--inside WHAT OUT XWD_FRAME REVIEW WM_CLOSE`.
if [ "${1:-}" = "--inside" ]; then
  out=$3 frame=$4 review=$5 wm_close=$6
  touch "$out/display-up"
  # The window, not SDL's dummy drivers that a headless test run may have chosen.
  unset SDL_VIDEODRIVER
  export SDL_AUDIODRIVER=dummy
  # In a sanitizer build: the X and GL libraries that SDL loads keep memory to the end and are
  # unloaded before the leak check could name them. The game's own leaks are the headless
  # tests' business.
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
  "$2"
  exit $?
fi

game=$1 sim=$2 frame=$3 out=$4 review=$5 wm_close=$6
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
for run in "in_a_window 800x600" "window_closing 800x600" "larger_display 1024x768" \
    "link_opens_nothing 800x600" "closed_output 800x600" "hanging_opener 800x600"; do
  set -- $run
  # -noreset: the display would otherwise reset as each game, its last client, ends, and refuse
  # the next game that comes in that moment.
  xvfb-run -a -s "-noreset -screen 0 ${2}x24" bash "$0" --inside "$1" "$out" "$frame" "$review" \
    "$wm_close" >"$out/$1.log" 2>&1
  rc=$?
  cat "$out/$1.log"
  if [ ! -f "$out/display-up" ]; then
    echo "skipped: no virtual X display could be started (xvfb-run ended with status $rc)"
    exit $skip
  fi
  [ $rc -eq 0 ] || exit 1
done
# The saved game loads.
if ! "$sim" --load "$out/game/slot1.sav" --days 0 >"$out/sim.log" 2>&1; then
  echo "FAIL: the slot saved in the window does not load:"
  cat "$out/sim.log"
  exit 1
fi
echo "the window played in a window and full screen, saved a game that loads, and closed with status 0"
exit 0
