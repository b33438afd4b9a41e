#!/usr/bin/env bash
# Installs the Debian packages jsdebug builds, tests and runs with. Idempotent: packages that are
# already present are skipped, and the package lists are refreshed at most once per run.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev libqscintilla2-qt6-dev
  qt6-svg-dev                 # the toolbar's own pictures (app/icons)
  qt6-translations-l10n       # Qt's own dialog texts in Chinese
  duktape-dev
  libcurl4-openssl-dev libssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wqy-microhei xvfb xauth imagemagick
  openbox xdotool x11-utils   # scripts/screenshot.sh: a window manager for the frame, clicks
  librsvg2-bin                # the icon's PNG sizes, rendered from its SVG at build time
  dpkg-dev desktop-file-utils appstream   # the package's dependencies; validating what it installs
  clang libclang-rt-14-dev    # scripts/fuzz.sh: libFuzzer and the sanitizers' run-time
  node-babel7-standalone      # script rewriting (rewrite/): Babel, run by the node child
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# Node comes with the machines from another source; only install Debian's when none is there.
command -v node >/dev/null 2>&1 || missing+=(nodejs)
# npm fetches the differential check's parser and the packages it reads (./test.sh's last step).
command -v npm >/dev/null 2>&1 || missing+=(npm)

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || { echo "setup: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
