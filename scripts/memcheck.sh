#!/usr/bin/env bash
# Leak and peak-memory check: a sieve run at bound 10^8 in the runner, and a
# workbench window whose list holds ten million items, closed. Leaks are
# checked in the sanitizer build (LeakSanitizer fails the process on any);
# peak memory is read from the release build with /usr/bin/time.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
for preset in release asan; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target zandrel-cli Form1Test
done
export QT_QPA_PLATFORM=offscreen ZANDREL_MEMCHECK=1

echo "== sieve at 10^8: leaks (ASan/LSan)"
ASAN_OPTIONS=detect_leaks=1 ./build/asan/cli/zandrel-cli run 8 --bound 100000000
echo "== sieve at 10^8: peak memory (release)"
/usr/bin/time -f "peak %M KB, %e s" ./build/release/cli/zandrel-cli run 8 --bound 100000000

echo "== window with 10^7 items, closed: leaks (ASan/LSan)"
ASAN_OPTIONS=detect_leaks=1 ./build/asan/tests/Form1Test tenMillionItemsThenClose | grep -E "PASS|FAIL|Totals"
echo "== window with 10^7 items, closed: peak memory (release)"
/usr/bin/time -f "peak %M KB, %e s" ./build/release/tests/Form1Test tenMillionItemsThenClose | grep -E "Totals"
