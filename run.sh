#!/usr/bin/env bash
# Set-up, build, then start the workbench.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display here; start it under a virtual one with 'xvfb-run ./run.sh', or use build/bin/jsdebug-cli (see README)."
  exit 1
fi
exec build/bin/jsdebug
