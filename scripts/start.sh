#!/usr/bin/env bash
# Sets up, builds and starts the main program, zandrelbench. Without a desktop
# (no DISPLAY or WAYLAND_DISPLAY) it says so and runs the same searches in the
# command-line runner instead.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec ./build/release/bench/zandrelbench "$@"
fi
echo "No desktop found (DISPLAY is not set): running the searches in zandrel-cli instead." >&2
exec ./build/release/cli/zandrel-cli run all --bound 1000
