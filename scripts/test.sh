#!/usr/bin/env bash
# Sets up, builds and runs every test. Under CI (CI=true) warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

preset=release
if [[ "${CI:-}" == "true" ]]; then preset=ci; fi

cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
