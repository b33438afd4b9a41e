#!/usr/bin/env bash
# Builds the Windows programs (Qt-free core, jsdebug-cli.exe, v8.dll and the core's tests) with
# MinGW-w64 and runs the tests under Wine, as a Chinese Windows would run them: locale zh_CN,
# ANSI code page 936, time zone of China.
#   scripts/windows.sh [i686|x86_64] [BUILD_DIR]     (default i686, build-win-ARCH)
# Installs what it needs from Debian (MinGW-w64, Wine with its 32-bit half, GoogleTest's sources,
# the zh_CN locale). Exits non-zero when the build or any test fails.
set -euo pipefail

arch=${1:-i686}
case "$arch" in
  i686 | x86_64) ;;
  *) echo "usage: scripts/windows.sh [i686|x86_64] [BUILD_DIR]" >&2; exit 2 ;;
esac
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$root/build-win-$arch}

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

packages=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386 googletest locales)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "windows: installing ${missing[*]}"
  # Wine runs the 32-bit build through its 32-bit half, from Debian's i386 architecture.
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# Wine takes the ANSI code page from the locale: zh_CN gives 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  $sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi

# Only the 32-bit build has the Script Control on a real Windows; here it needs a kernel that runs
# 32-bit programs for Wine's 32-bit half.
if [ "$arch" = i686 ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  run_tests=no
else
  run_tests=yes
fi

launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DJSDEBUG_MINGW_ARCH="$arch" "${launcher[@]}" >/dev/null
cmake --build "$build"

if [ "$run_tests" = no ]; then
  echo "windows: built $build; this kernel cannot run 32-bit programs (no IA-32 emulation), so only the tests that read the binaries run"
  exec ctest --test-dir "$build" --output-on-failure -R '^v8_exports$'
fi

# One Wine prefix per user for both builds (a 64-bit prefix runs 32-bit programs too); making
# it takes a while the first time only.
export WINEPREFIX=${JSDEBUG_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/jsdebug-wine}
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 TZ=Asia/Shanghai
# No display: Wine must not try to open windows.
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "windows: creating the Wine prefix $WINEPREFIX"
  if [ "$arch" = x86_64 ]; then loader=/usr/lib/wine/wine64; else loader=/usr/lib/wine/wine; fi
  "$loader" wineboot --init >/dev/null 2>&1 || true
fi
/usr/lib/wine/wineserver -p 60 >/dev/null 2>&1 || true   # one server for all the tests, kept a minute

ctest --test-dir "$build" --output-on-failure --timeout 300 -j2
