#!/usr/bin/env bash
# The side by side with the deobfuscators users reach for: restringer and obfuscator-io-deobfuscator,
# from the npm registry, pinned, installed once into a cache folder of this benchmark's own
# (JSDEBUG_BENCH_CACHE, default ~/.cache/jsdebug-bench) together with javascript-obfuscator, which
# makes the 200 KB file. Nothing of them goes near the product or ./test.sh. Prints Markdown tables.
#
#   bench/deobfuscate-peers/run.sh      (TOOLS=jsdebug,restringer RUNS=3 PEER_TIMEOUT_MS=300000)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${JSDEBUG_BENCH_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/jsdebug-bench}/deobfuscate-peers
packages=(restringer@2.2.0 obfuscator-io-deobfuscator@1.0.6 javascript-obfuscator@4.2.2)

mkdir -p "$cache"
[ -f "$cache/package.json" ] || echo '{"private": true}' > "$cache/package.json"
missing=0
for p in "${packages[@]}"; do
  name=${p%@*}
  version=${p##*@}
  grep -qs "\"version\": \"$version\"" "$cache/node_modules/$name/package.json" || missing=1
done
if [ "$missing" = 1 ]; then
  (cd "$cache" && npm install --silent --no-audit --no-fund "${packages[@]}")
fi

export JSDEBUG_PEERS=$cache
export DEOBFUSCATOR=$here/../../rewrite/js/lib/deobfuscator.js
exec node "$here/compare.js"
