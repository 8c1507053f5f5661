#!/usr/bin/env bash
# Shared by scripts/run and scripts/test: install what the build needs, then build.
# Both steps are quick when there is nothing to do.
set -euo pipefail

QUILMO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QUILMO_BUILD="${QUILMO_BUILD:-$QUILMO_ROOT/build}"

# Debian packages: the toolchain, Qt 6 Widgets, libblkid, the icon renderer, the test frameworks, a
# virtual display, the accessibility bus, its python client and the keys that drive the
# real window in the end-to-end test, and the validators of the installed desktop files.
QUILMO_PACKAGES=(cmake ninja-build g++ pkgconf qt6-base-dev libgl-dev libblkid-dev librsvg2-bin libgtest-dev libbenchmark-dev
                 xvfb xauth fonts-dejavu-core xdotool dbus at-spi2-core python3-pyatspi
                 desktop-file-utils appstream)

quilmo_install_packages() {
  local missing=()
  for pkg in "${QUILMO_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

quilmo_build() {
  if [ ! -f "$QUILMO_BUILD/CMakeCache.txt" ]; then
    cmake -S "$QUILMO_ROOT" -B "$QUILMO_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  fi
  cmake --build "$QUILMO_BUILD" --parallel "$(nproc)"
}
