#!/usr/bin/env bash
# Installs what Gravmark needs on Debian 12. Safe to run again.
#   install-deps.sh game   building and running the game (make run)
#   install-deps.sh        that, and the tests, benchmarks, sanitizers and fuzzing (make test)
set -euo pipefail

game=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libsdl2-mixer-dev timgm6mb-soundfont freepats
  zlib1g-dev libcairo2-dev libx11-dev fontconfig fonts-dejavu-core
)
rest=(
  git
  clang libclang-rt-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  # the real window's test: a virtual display and its core fonts, a pointer driven from outside,
  # and screenshots
  xvfb xauth xdotool x11-apps xfonts-base
)
case "${1:-all}" in
  game) packages=("${game[@]}") ;;
  all) packages=("${game[@]}" "${rest[@]}") ;;
  *)
    echo "usage: $0 [game|all]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
$sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
