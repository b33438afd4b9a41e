#!/usr/bin/env bash
# "代码格式化" and "压缩" side by side with js-beautify and terser under node, on one real file:
# terser's own dist/bundle.min.js (1.1 MB of minified code). Prints the median wall-clock and
# processor time (user + system) of each, and the ratios the speed goals are stated in.
#
#   bench/transformers.sh [BUILD_BIN] [RUNS]     (defaults: build-rel/bin, 5)
#
# The two node packages are fetched from the npm registry once into a cache folder of the
# benchmark's own (JSDEBUG_BENCH_CACHE, default ~/.cache/jsdebug-bench), pinned so that figures
# from different days compare; nothing of them goes near the product. Build the CLI with
# -DCMAKE_BUILD_TYPE=Release first: a sanitizer build says nothing about speed.
set -euo pipefail
bin=${1:-build-rel/bin}
runs=${2:-5}
cli=$(cd "$bin" && pwd)/jsdebug-cli
cache=${JSDEBUG_BENCH_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/jsdebug-bench}
terser_version=5.51.4
beautify_version=2.0.3

[ -x "$cli" ] || { echo "transformers.sh: no jsdebug-cli in $bin" >&2; exit 1; }
mkdir -p "$cache"
if [ ! -f "$cache/node_modules/terser/package.json" ] ||
   [ ! -f "$cache/node_modules/js-beautify/package.json" ] ||
   ! grep -q "\"version\": \"$terser_version\"" "$cache/node_modules/terser/package.json" ||
   ! grep -q "\"version\": \"$beautify_version\"" "$cache/node_modules/js-beautify/package.json"; then
  [ -f "$cache/package.json" ] || echo '{"private": true}' > "$cache/package.json"
  (cd "$cache" && npm install --silent --no-audit --no-fund \
     "terser@$terser_version" "js-beautify@$beautify_version")
fi
input=$cache/node_modules/terser/dist/bundle.min.js
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Each tool runs as a user would run it: one process per run, start-up included. The node tools
# also report the call alone, timed inside the process (their start-up and module load is
# 50-100 ms that our CLI does not have).
cat > "$out/node-run.js" <<'JS'
const [tool, cache, file, dest] = process.argv.slice(2);
const fs = require('fs');
const path = require('path');
const code = fs.readFileSync(file, 'utf8');
(async () => {
  let result;
  const t0 = process.hrtime.bigint();
  if (tool === 'js-beautify') {
    result = require(path.join(cache, 'node_modules/js-beautify')).js(code);
  } else {
    result = (await require(path.join(cache, 'node_modules/terser')).minify(code)).code;
  }
  const ms = Number(process.hrtime.bigint() - t0) / 1e6;
  fs.writeFileSync(dest, result);
  fs.writeFileSync(dest + '.ms', String(ms));
})();
JS

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR) print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# measure NAME COMMAND...: appends "wall cpu [call]" per run to $out/NAME.times.
measure() {
  local name=$1; shift
  local TIMEFORMAT='%R %U %S'
  for ((i = 0; i < runs; i++)); do
    local t
    t=$( { time "$@" > "$out/$name.out"; } 2>&1 )
    local call=""
    [ -f "$out/$name.out.ms" ] && call=$(cat "$out/$name.out.ms")
    echo "$t $call" | awk '{ printf "%.1f %.1f %s\n", $1 * 1000, ($2 + $3) * 1000, $4 }' >> "$out/$name.times"
  done
}

measure beautify "$cli" beautify "$input"
measure minify "$cli" minify "$input"
measure js-beautify node "$out/node-run.js" js-beautify "$cache" "$input" "$out/js-beautify.out"
measure terser node "$out/node-run.js" terser "$cache" "$input" "$out/terser.out"

col() { awk -v c="$2" '{ print $c }' "$out/$1.times" | median; }
printf '%s: %s bytes, %s runs, medians in ms\n' "$(basename "$input")" "$(wc -c < "$input")" "$runs"
printf '%-28s %10s %10s %10s %12s\n' tool wall cpu call "output bytes"
for name in beautify minify js-beautify terser; do
  call=$(awk '{ print $3 }' "$out/$name.times" | grep . | median || true)
  label=$name
  [ "$name" = beautify ] && label="代码格式化 (jsdebug-cli)"
  [ "$name" = minify ] && label="压缩 (jsdebug-cli)"
  printf '%-28s %10s %10s %10s %12s\n' "$label" "$(col "$name" 1)" "$(col "$name" 2)" "${call:--}" \
    "$(wc -c < "$out/$name.out")"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "代码格式化 / js-beautify: wall $(ratio "$(col beautify 1)" "$(col js-beautify 1)")," \
     "cpu $(ratio "$(col beautify 2)" "$(col js-beautify 2)") (goal at most 0.5)"
echo "压缩 / terser:            wall $(ratio "$(col minify 1)" "$(col terser 1)")," \
     "cpu $(ratio "$(col minify 2)" "$(col terser 2)") (goal at most 0.25)"
