#!/usr/bin/env bash
# Installs what is missing, builds OrvaneDemo and starts it on a sample drawing.
#   scripts/demo.sh [drawing]     the drawing defaults to samples/bracket.cdl
# Where there is no display it runs the demo on a virtual one (xvfb-run), saves a picture of
# the main window to build/demo.png and exits.
set -euo pipefail
cd "$(dirname "$0")/.."
drawing=${1:-samples/bracket.cdl}
screenshot=build/demo.png

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target OrvaneDemo

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  exec build/demo/OrvaneDemo "$drawing"
fi
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
rm -f "$screenshot"
timeout 120 xvfb-run -a -s "-screen 0 1024x768x24" \
  build/demo/OrvaneDemo --screenshot "$screenshot" "$drawing"
echo "No display here: the demo ran on a virtual one; its window is in $screenshot"
