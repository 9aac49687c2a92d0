#!/usr/bin/env bash
# Installs the Debian packages Zephine needs to build, run and test, skipping what is present.
# With --bench it also installs the libraries the raster benchmarks measure against; the
# program, its tests and CI do without them.
set -euo pipefail

packages=(
  # build and tests
  cmake g++ make pkg-config git ccache libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  # the program's libraries
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev
  libosmesa6-dev libglu1-mesa-dev
  libavformat-dev libavcodec-dev libswscale-dev libavutil-dev
  libcairo2-dev libcups2-dev libgtk-3-dev
  # data made at build time: the font for tips and labels, the voice for prompts
  fonts-wqy-microhei fonts-dejavu-core espeak-ng
  libpango1.0-dev fonts-comic-neue
  # tests under a real display
  xvfb xdotool imagemagick xfonts-base x11-apps poppler-utils
  # the menu entry and AppStream checks, and the Debian package
  desktop-file-utils appstream dpkg-dev lintian file xz-utils
)
if [ "${1:-}" = "--bench" ]; then
  packages+=(libopencv-dev libmypaint-dev)
elif [ $# -gt 0 ]; then
  echo "usage: $0 [--bench]" >&2
  exit 2
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "All packages are installed."
  exit 0
fi

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
