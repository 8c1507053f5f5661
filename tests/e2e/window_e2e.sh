#!/usr/bin/env bash
# End to end: runs window_e2e.py (the real quilmo driven through its accessibility tree)
# in a session bus and a virtual display of its own, with what the window's look depends
# on pinned: the fonts of fonts-dejavu-core only, 96 dpi, Qt's Fusion style, a fixed
# screen. Exit status 77 (skipped) when a tool it needs is missing.
set -euo pipefail
quilmo=$1
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

skip() { echo "SKIP: $*"; exit 77; }
for tool in xvfb-run:xvfb dbus-run-session:dbus xdotool:xdotool; do
  command -v "${tool%%:*}" >/dev/null 2>&1 || skip "${tool%%:*} is missing (Debian package ${tool##*:})"
done
# python3-pyatspi belongs to Debian's own python3, which another python3 on PATH may hide.
python=""
for candidate in python3 /usr/bin/python3; do
  if "$candidate" -c 'import pyatspi' >/dev/null 2>&1; then python=$candidate; break; fi
done
[ -n "$python" ] || skip "no python3 can import pyatspi (Debian package python3-pyatspi)"
[ -x /usr/libexec/at-spi-bus-launcher ] || command -v at-spi-bus-launcher >/dev/null 2>&1 ||
  skip "the accessibility bus is missing (Debian package at-spi2-core)"

unset DISPLAY XAUTHORITY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
export FONTCONFIG_FILE="$here/../fonts.conf" QT_FONT_DPI=96 QT_STYLE_OVERRIDE=Fusion
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1366x768x24 -dpi 96" \
  "$python" "$here/window_e2e.py" "$quilmo"
