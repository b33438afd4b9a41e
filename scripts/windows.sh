#!/usr/bin/env bash
# Builds the Windows programs (Qt-free core, jsdebug-cli.exe, v8.dll and the core's tests) with
# MinGW-w64 and runs the tests under Wine, as a Chinese Windows would run them: locale zh_CN,
# ANSI code page 936, time zone of China.
#   scripts/windows.sh [i686|x86_64] [BUILD_DIR]     (default i686, build-win-ARCH)
# Installs what it needs from Debian (MinGW-w64, Wine with its 32-bit half, GoogleTest's sources,
# the zh_CN locale, ccache). Exits non-zero when the build or any test fails.
#
# The build is made for testing and made cheap, since ./test.sh runs it twice on every CI run:
# -O1 without debug information, each target's sources compiled as one unit (windows.h and the
# test headers are parsed once per target, not once per file), through ccache. For the package
# users get, JSDEBUG_WINDOWS_OPTIMIZE=-O2 builds the same sources optimised as a release.
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

packages=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386 googletest locales ccache)
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

# Whether this kernel runs 32-bit x86 programs, which Wine's 32-bit half needs: Wine's 32-bit
# loader is an i386 program, and a kernel without IA-32 emulation refuses to start it with
# ENOEXEC ("Exec format error") before any of Wine runs. Any other failure is a broken Wine.
runs_32bit_programs() {
  local out
  out=$(/usr/lib/wine/wine --version 2>&1) && return 0
  case "$out" in
    *"Exec format error"*) return 1 ;;
  esac
  echo "windows: Wine's 32-bit loader fails for another reason: $out" >&2
  exit 1
}
run_tests=yes
if [ "$arch" = i686 ] && ! runs_32bit_programs; then
  run_tests=no
fi

# The cache is keyed on paths relative to the checkout, so a fresh clone elsewhere (CI) still hits.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
optimize=${JSDEBUG_WINDOWS_OPTIMIZE:--O1}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_C_FLAGS_RELEASE="$optimize -DNDEBUG" -DCMAKE_CXX_FLAGS_RELEASE="$optimize -DNDEBUG" \
  -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=0 \
  -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DJSDEBUG_MINGW_ARCH="$arch" >/dev/null

if [ "$run_tests" = no ]; then
  # The programs users get, not the test executables no 32-bit program here could run.
  cmake --build "$build" --target jsdebug-cli jsdebug_v8engine
  echo "windows: built jsdebug-cli.exe and v8.dll in $build; this kernel cannot run 32-bit programs" \
    "(exec of an i386 program: Exec format error), so the 32-bit tests under Wine are skipped and" \
    "only the test that reads the binary runs (v8.dll's exports and their stdcall convention)"
  exec ctest --test-dir "$build" --output-on-failure -R '^v8_exports$'
fi
cmake --build "$build"

# One Wine prefix per user for both builds (a 64-bit prefix runs 32-bit programs too); making
# it takes a while the first time only.
export WINEPREFIX=${JSDEBUG_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/jsdebug-wine}
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 TZ=Asia/Shanghai
# No display: Wine must not try to open windows.
unset DISPLAY WAYLAND_DISPLAY
if [ "$arch" = x86_64 ]; then loader=/usr/lib/wine/wine64; else loader=/usr/lib/wine/wine; fi
[ -f "$WINEPREFIX/system.reg" ] || echo "windows: creating the Wine prefix $WINEPREFIX"
# One server for all the tests, kept a minute after the last, and Wine's own services started
# here rather than by the first test: they outlive it holding its output, and ctest would wait
# for them until the test's time limit.
/usr/lib/wine/wineserver -p 60 >/dev/null 2>&1 || true
"$loader" wineboot --init >/dev/null 2>&1 </dev/null || true

ctest --test-dir "$build" --output-on-failure --timeout 300 -j2
