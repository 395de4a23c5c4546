#!/usr/bin/env bash
# Sets up, builds and starts the main program. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release

if [[ $# -eq 0 ]]; then set -- run dialog --bound 1000; fi
exec ./build/release/cli/zandrel-cli "$@"
