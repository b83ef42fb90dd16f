#!/usr/bin/env bash
# Installs the Debian 12 packages a task needs, only those that are missing.
#   scripts/deps.sh run    to build and start the program
#   scripts/deps.sh test   to build and run every test
set -euo pipefail

run_pkgs=(
  g++ cmake ninja-build pkg-config   # compiler and build
  qt6-base-dev libgl-dev              # Qt 6 Widgets (its CMake files need the GL headers)
  libfontconfig-dev                   # the font configuration is loaded beside Qt's start
  fonts-liberation                    # Liberation Sans stands in for Arial
  fonts-urw-base35                    # URW Bookman stands in for Bookman Old Style
  fonts-dejavu-core                   # a plain sans for MS Sans Serif
)
test_pkgs=(
  libgtest-dev libgmock-dev           # GoogleTest suites of the core
  libbenchmark-dev                    # Google Benchmark (bench/)
  libx11-dev                          # the X client that times a window's first frame (bench/)
  clang libclang-rt-14-dev            # sanitizer build and libFuzzer targets
  xvfb xauth x11-utils xdotool        # a real X server, real key and pointer events
  xclip                               # a clipboard owner for the keyboard's paste
  dbus at-spi2-core python3-pyatspi   # the accessibility bus and a client for reading the window
  imagemagick                         # screenshots for colours
  desktop-file-utils appstream        # validating the desktop entry and metainfo
  dpkg-dev file lintian               # building and checking the .deb
)

want=("${run_pkgs[@]}")
[ "${1:-run}" = test ] && want+=("${test_pkgs[@]}")

missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
