#!/usr/bin/env bash
# Starts Zarnix from a build folder: the window where a display exists and the window was
# built, otherwise the start-up calculation printed in the terminal.
set -euo pipefail
build=${1:-build}
if [[ -n ${DISPLAY:-}${WAYLAND_DISPLAY:-} && -x $build/bin/zarnix ]]; then
  exec "$build/bin/zarnix"
fi
exec "$build/bin/zarnix-cli" show
