#!/usr/bin/env bash
# Sets up, builds and runs every test. Usage: scripts/test.sh [PRESET]
# PRESET is release (the default), ci (release with warnings as errors, the
# default when CI=true) or asan (AddressSanitizer and UndefinedBehaviorSanitizer).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

preset=${1:-release}
if [[ $# -eq 0 && "${CI:-}" == "true" ]]; then preset=ci; fi

cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
