#!/usr/bin/env bash
# Set-up, build and every test: unit tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# GUI tests offscreen, end-to-end tests on the built executables.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/setup.sh

# The core knows no Qt: the build would allow it, so check it here.
if grep -rIl --include='*.cpp' --include='*.h' '#include <Q' text platform net engine workflow encode transform generate rewrite 2>/dev/null; then
  echo "test.sh: the files above include Qt, which the core must not" >&2
  exit 1
fi

build=build-test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DJSDEBUG_SANITIZE=ON -DJSDEBUG_BUILD_BENCH=ON >/dev/null
cmake --build "$build"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
cd "$build"
ctest --output-on-failure --timeout 300 -j "$(nproc)"
cd ..

# The Windows programs and their tests under Wine, both widths. Where this kernel cannot run
# 32-bit programs, the 32-bit build checks only its binary, and says so.
./scripts/windows.sh x86_64
./scripts/windows.sh i686

# The fuzz targets, briefly: they keep building, and a minute of fresh inputs on every run.
./scripts/fuzz.sh 60

# The carried scripts against a parser that is not ours, over a pinned slice of real packages.
./fuzz/differential/run.sh --slice
