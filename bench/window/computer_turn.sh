#!/usr/bin/env bash
# The real window during the computer's turns on a virtual X display: the frames of four
# computer turns timed by window_turn_frames. Reports numbers only; with FIGURES_FILE, also
# appends each turn's slowest frame to it for the table of `make bench`.
#
#   computer_turn.sh BUILD_DIR [FIGURES_FILE]
set -u
build=$(cd "${1:-build}" && pwd)
figures=()
if [ -n "${2:-}" ]; then figures=("$(cd "$(dirname "$2")" && pwd)/$(basename "$2")"); fi
if ! command -v xvfb-run >/dev/null; then
  echo "computer_turn: skipped, xvfb-run missing (scripts/install-deps.sh installs it)"
  exit 0
fi
if [ ! -x "$build/tests-bin/window_turn_frames" ]; then
  echo "computer_turn: skipped, $build has no window_turn_frames (built with SDL2)"
  exit 0
fi
unset SDL_VIDEODRIVER
SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 800x600x24" \
  "$build/tests-bin/window_turn_frames" "$build" 4 "${figures[@]}"
