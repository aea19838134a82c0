#!/usr/bin/env bash
# Installs the Debian 12 packages that the named groups need:
#
#   run      the Qt widgets runtime (its JPEG and X11 plugins are in libqt6gui6),
#            Qt SQL's SQLite driver for the kept beasts, and Noto CJK for the Chinese users type: what the built program
#            needs (the faces of its own texts are built in)
#   build    compiler, CMake and Qt development files; the font subset and
#            the Qt translations that the build compiles in
#   test     GoogleTest, Google Benchmark and the desktop-file and AppStream
#            validators that ctest runs
#   startup  tools/measure-startup.sh: a private X server and session bus,
#            xev, valgrind (callgrind)
#   artgen   tools/artgen: Qt SVG and npm for the icon set
#   package  the Debian package (cpack -G DEB) and its check (lintian)
#   ui       optional, for checking windows by hand: a window manager,
#            screenshots, key presses, the accessibility bus with its Python
#            bindings, and Orca (tools/orca-speech.sh)
#
# Without arguments: build and test. Only when a package is missing does it
# call apt (and then needs root); otherwise it changes nothing and any user
# may run it.
set -euo pipefail

declare -A groups=(
  [run]="libqt6widgets6 libqt6gui6 libqt6sql6-sqlite fonts-noto-cjk"
  [build]="build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libqt6sql6-sqlite
           fonts-noto-cjk fonttools python3-fonttools qt6-translations-l10n qt6-l10n-tools"
  [test]="libgtest-dev libbenchmark-dev desktop-file-utils appstream"
  [startup]="xvfb x11-utils dbus valgrind"
  [artgen]="qt6-svg-dev nodejs npm"
  [package]="dpkg-dev file lintian"
  [ui]="openbox imagemagick python3-pyatspi at-spi2-core dbus-x11 xdotool orca"
)

(($#)) || set -- build test
wanted=()
for group in "$@"; do
  if [[ -z ${groups[$group]+set} ]]; then
    echo "install-deps.sh: unknown group '$group' (known: ${!groups[*]})" >&2
    exit 2
  fi
  read -r -a names <<<"${groups[$group]//$'\n'/ }"
  wanted+=("${names[@]}")
done

# What is installed, and what installed packages provide (Debian's nodejs
# from other sources provides npm), from dpkg's status: no root, no network.
declare -A present=()
while read -r status names; do
  [[ $status == ii ]] || continue
  for p in $names; do present[$p]=1; done
done < <(dpkg-query -W -f='${db:Status-Abbrev} ${Package} ${Provides}\n' | sed -E 's/\([^)]*\)//g; s/,/ /g')

missing=()
for p in "${wanted[@]}"; do
  [[ -n ${present[$p]+set} || " ${missing[*]} " == *" $p "* ]] || missing+=("$p")
done
((${#missing[@]})) || exit 0

if ((EUID != 0)); then
  echo "install-deps.sh: missing ${missing[*]}; run once as root: bash tools/install-deps.sh $*" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
