#!/usr/bin/env bash
# Writes a PNG of the window as it looks right after start-up, on a virtual X display.
# Usage: scripts/screenshot.sh [BUILD_DIR] [OUTPUT.png]
#   defaults: build and BUILD_DIR/zarnix-window.png; ZARNIX_SCREEN=WxH sets the screen
#   (default 1280x800); ZARNIX_PICTURE=FILE shows that picture on the image page instead
#   (e.g. a plot written by zarnix-cli's plot:FILE.png).
set -euo pipefail
build=${1:-build}
out=${2:-$build/zarnix-window.png}
size=${ZARNIX_SCREEN:-1280x800}
if [[ ! -x $build/bin/zarnix ]]; then
  echo "no $build/bin/zarnix: build first (make build)" >&2
  exit 1
fi
picture=()
[[ -n ${ZARNIX_PICTURE:-} ]] && picture=(--picture "$ZARNIX_PICTURE")
xvfb-run -a -s "-screen 0 ${size}x24 -dpi 96" "$build/bin/zarnix" --screenshot "$out" "${picture[@]}"
echo "$out"
