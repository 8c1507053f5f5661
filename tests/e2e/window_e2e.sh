#!/usr/bin/env bash
# End to end: runs window_e2e.py (the real quilmo driven through its accessibility tree)
# in a session bus and a virtual display of its own, with what the window's look depends
# on pinned (pinned.sh) and a fixed screen. Exit status 77 (skipped) when a tool it needs is missing.
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

source "$here/pinned.sh"
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1366x768x24 -dpi 96" \
  "$python" "$here/window_e2e.py" "$quilmo"
