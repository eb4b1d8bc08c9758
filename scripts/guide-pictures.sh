#!/usr/bin/env bash
# Regenerates the guide's pictures in help/pictures/ (make guide-pictures): the review pictures
# of the screens and pages the guide shows, and the legend drawn from the built archive, whose
# tables gravmark-legend writes into help/gvm.htm. Run after `make build`; the pictures are
# committed, so a change of the art or the screens shows in the guide once this has run.
set -euo pipefail

build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$build" && pwd)
pictures=$root/help/pictures

(cd "$build" && GM_BUILD_DIR=$build ./gravmark-review)

# The guide's picture for each screen and page: its file in help/pictures/, then the review
# picture it is copied from.
shots=(
  settings-dialog settings_dialog
  title title
  battlefield battlefield
  battlefield-selected guide_battlefield_selected
  unit-card guide_unit_card
  assault guide_assault
  air-layer guide_air_selected
  map1 map1
  map2 map2
  computer-turn computer_turn
  new-unit new_unit_available
  placement placement_map
  unit-staff unit_staff_men
  economy-statistics economy_1
  economy-units economy_2
  economy-store economy_3
  economy-repair economy_4
  economy-production guide_production
  economy-losses guide_losses
  options options
  save-load save_load_save_mode
  end-turn end_turn
  help help_1
  quit quit
  final final_1
)

# Nothing stale survives: every picture is written anew.
rm -rf "$pictures"
mkdir -p "$pictures"
for ((i = 0; i < ${#shots[@]}; i += 2)); do
  cp "$build/review/screens/${shots[i + 1]}.png" "$pictures/${shots[i]}.png"
done
"$build/gravmark-legend" "$build/data/graphic.dxg" "$pictures" "$root/help/gvm.htm"
echo "guide pictures written to help/pictures/"
