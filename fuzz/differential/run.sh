#!/usr/bin/env bash
# Differential checks of the carried scripts (transform/*.js) over real JavaScript: every .js
# file of the packages in packages.txt, fetched with npm into a cache folder, plus generated
# inputs. Each property is judged by acorn, a parser that is not ours.
#   fuzz/differential/run.sh [--slice] [--limit N] [--cli PATH --cli-sample N]
# --cli compares a sample of files run through the program's own script host (jsdebug-cli)
# with the same scripts under node, so the fast node run stands for the program's.
# --slice checks only the packages of packages-slice.txt: pinned, without dependencies of their
# own, so every run reads the same files; it is what ./test.sh runs.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
packages=$here/packages.txt
cache=${JSDEBUG_DIFF_CACHE:-$here/../../build-fuzz/differential}
if [ "${1:-}" = --slice ]; then
  shift
  packages=$here/packages-slice.txt
  cache=${JSDEBUG_DIFF_CACHE:-$here/../../build-fuzz/differential-slice}
fi
command -v npm >/dev/null || { echo "run.sh: npm is missing: run scripts/setup.sh" >&2; exit 1; }
mkdir -p "$cache"
if [ ! -d "$here/node_modules/acorn" ]; then
  (cd "$here" && npm install --no-audit --no-fund --ignore-scripts --silent)
fi
if [ ! -f "$cache/.fetched" ] || ! cmp -s "$packages" "$cache/.fetched"; then
  # --ignore-scripts: nothing a package ships is run; the files are only read.
  (cd "$cache" && echo '{"private":true}' >package.json &&
    xargs npm install --no-save --no-audit --no-fund --ignore-scripts --silent <"$packages")
  cp "$packages" "$cache/.fetched"
fi
exec node "$here/check.js" --files "$cache/node_modules" --report "$cache/failures.txt" "$@"
