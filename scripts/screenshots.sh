#!/usr/bin/env bash
# Builds the programs and saves screenshots of both windows after a search
# (bound 1000) to docs/, on a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target zandrel-screenshots
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" ./build/release/tools/zandrel-screenshots docs
