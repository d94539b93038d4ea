#!/usr/bin/env bash
# Reads the trainer through a real accessibility bus: an X server (Xvfb), a
# session bus and at-spi2-core's bus, as a screen reader on a desktop does.
# Usage: tests/atspi/check.sh [path-to-sorvik1]   (default: build/test/src/sorvik1)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
scripts/deps.sh xvfb xauth dbus at-spi2-core python3-pyatspi xdotool
binary="$(realpath "${1:-build/test/src/sorvik1}")"
# The whole check is bounded, so it can never hang a machine without a display.
exec timeout --kill-after=10 180 xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    dbus-run-session -- /usr/bin/python3 tests/atspi/check_labels.py "$binary" </dev/null
