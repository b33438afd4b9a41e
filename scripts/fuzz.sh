#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/*_fuzz.cpp) with clang, ASan and UBSan, and runs each for
# its share of SECONDS (default 60) on its corpus, printing executions and coverage per target.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# The corpus in fuzz/corpus/<target>/ seeds the run and is never written to; what a run finds
# goes to build-fuzz/corpus/<target>/ (merge it back with the target's -merge=1 to keep it), and a
# crashing input to build-fuzz/artifacts/. Exit status 1 when a target found a fault.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-60}
shift || true
build=$root/${JSDEBUG_FUZZ_BUILD:-build-fuzz}

command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ is missing: run scripts/setup.sh" >&2; exit 1; }

# clang cannot compile narrow literals to CP936 (it has no -fexec-charset but UTF-8), so it
# compiles a copy of the sources transcoded to GB18030, whose literals are then the program's GBK
# bytes. Only files whose text changed are rewritten, so rebuilds stay incremental.
src=$build/src
mkdir -p "$src"
copy() {  # copy FILE: transcodes C++ sources, copies everything else
  local from=$1 to=$src/$1 tmp
  mkdir -p "$(dirname "$to")"
  tmp=$to.tmp
  case $from in
    *.cpp|*.h)
      iconv -f UTF-8 -t GB18030 "$from" >"$tmp"
      # A GBK trail byte 0x5C would read as a backslash and change the code around it.
      if [ "$(tr -cd '\\' <"$from" | wc -c)" != "$(tr -cd '\\' <"$tmp" | wc -c)" ]; then
        echo "fuzz.sh: $from holds a character whose GBK form ends in a backslash byte" >&2
        rm -f "$tmp"; exit 1
      fi ;;
    *) cp "$from" "$tmp" ;;
  esac
  if cmp -s "$tmp" "$to"; then rm -f "$tmp"; else mv "$tmp" "$to"; fi
}
# The Qt-free core the targets link and the targets; the headers and build scripts the core uses
# from folders it does not build (without their CMakeLists, so they stay out of the build); the
# loopback server of the tests.
while IFS= read -r -d '' f; do copy "${f#./}"; done < <(
  find ./CMakeLists.txt ./cmake ./text ./platform ./net ./engine ./workflow ./editor ./fuzz -type f \
    ! -path './fuzz/corpus/*' ! -path './fuzz/differential/*' -print0
  find ./v8engine ./transform ./generate -name '*.h' -print0
  find ./transform -name '*.cmake' -print0
  find ./examples -name 'test.js' -print0
  find ./tests/support -name 'Loopback*.h' -print0)

# -O1 as libFuzzer's own documentation builds: several times the executions of -O0, and the
# sanitizers still see every access.
cmake -S "$src" -B "$build/out" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS_DEBUG="-g -O1" \
  -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DJSDEBUG_FUZZ=ON -DJSDEBUG_GBK_SOURCES=ON -DJSDEBUG_SANITIZE=ON -DJSDEBUG_BUILD_GUI=OFF \
  >/dev/null
nice cmake --build "$build/out" --target jsdebug_fuzz_targets

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/*_fuzz.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi
share=$(( seconds / ${#targets[@]} ))
[ "$share" -ge 1 ] || share=1

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build/artifacts" "$build/logs"
status=0
printf '%-26s %12s %8s %8s %8s  %s\n' target executions exec/s cov ft result
for t in "${targets[@]}"; do
  seeds=$root/fuzz/corpus/$t
  work=$build/corpus/$t
  mkdir -p "$work" "$seeds"
  log=$build/logs/$t.log
  result=ok
  if ! "$build/out/bin/$t" -max_total_time="$share" -timeout=30 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$t-" "$work" "$seeds" >"$log" 2>&1; then
    result="FAULT (see $log)"
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  printf '%-26s %12s %8s %8s %8s  %s\n' "$t" "${runs:--}" "${speed:--}" "${cov:--}" "${ft:--}" "$result"
done
exit $status
