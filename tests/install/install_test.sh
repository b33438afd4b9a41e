#!/usr/bin/env bash
# install_test.sh BUILD_DIR SOURCE_DIR VERSION APP_ID gui|nogui
set -euo pipefail
build=$1 source=$2 version=$3 appid=$4 gui=$5

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
expect_contains() {  # what haystack needle
  case "$2" in *"$3"*) ;; *) fail "$1: expected '$3' in: $2" ;; esac
}

cmake --install "$build" --prefix "$prefix" >/dev/null

# The layout: the engine library is private (not on the library path, not beside the programs).
expected=(bin/jsdebug-cli lib/jsdebug/v8.dll share/jsdebug/examples/test.js
          share/doc/jsdebug/copyright share/doc/jsdebug/README.md)
if [ "$gui" = gui ]; then
  expected+=(bin/jsdebug share/applications/$appid.desktop share/metainfo/$appid.metainfo.xml
             share/icons/hicolor/scalable/apps/$appid.svg)
  for size in 16 32 48 128 256; do expected+=(share/icons/hicolor/${size}x$size/apps/$appid.png); done
fi
for f in "${expected[@]}"; do [ -e "$prefix/$f" ] || fail "not installed: $f"; done
[ ! -e "$prefix/bin/v8.dll" ] || fail "v8.dll installed beside the programs"

# Each PNG is the size its folder says (width and height are bytes 16..23 of the header).
if [ "$gui" = gui ]; then
  for size in 16 32 48 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$appid.png
    [ -e "$png" ] || continue
    dims=$(od --endian=big -An -tu4 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')
    [ "$dims" = "$size $size" ] || fail "$png is not ${size}x$size: $dims"
  done
fi

# The installed CLI from elsewhere: the engine library is found from the program's own place,
# not from the current directory or the build tree.
cli=$prefix/bin/jsdebug-cli
example=$prefix/share/jsdebug/examples/test.js
cd "$scratch"
[ "$("$cli" --version | head -1)" = "jsdebug-cli $version" ] || fail "--version: $("$cli" --version)"
# Linux has no Script Control: the JScript profile is the system engine.
[ "$("$cli" --utf8 --version | tail -1)" = "system engine: JScript 模拟 (Duktape)" ] || fail "--version: $("$cli" --utf8 --version)"
expect_contains load "$("$cli" --utf8 load "$example" 2>&1)" "代码加载成功!!"
expect_contains run "$("$cli" --utf8 run "$example" "test('abc',123)" 2>&1)" "返回内容：abc123"
expect_contains v8 "$("$cli" --utf8 v8 "$example" "test('abc',123)" 2>&1)" "返回内容：abc123"

if [ "$gui" = gui ]; then
  # The installed window, given a script as a file manager gives it: up to its first paint and
  # a moment idle, then it ends itself.
  out=$(JSDEBUG_STARTUP_PROBE=1 timeout 60 "$prefix/bin/jsdebug" "$example" 2>&1) ||
    fail "window ended with $?: $out"
  expect_contains window "$out" "painted"
  expect_contains window "$out" "rss "

  desktop-file-validate "$prefix/share/applications/$appid.desktop" || fail "desktop-file-validate"
  appstreamcli validate --no-net "$prefix/share/metainfo/$appid.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate: $(appstreamcli validate --no-net "$prefix/share/metainfo/$appid.metainfo.xml" 2>&1)"
  expect_contains metainfo "$(cat "$prefix/share/metainfo/$appid.metainfo.xml")" "<release version=\"$version\""
fi

# The package.
cpack --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$scratch/cpack.log")"
deb=$scratch/package/jsdebug_${version}_amd64.deb
if [ ! -f "$deb" ]; then
  fail "no $deb: $(ls "$scratch/package")"
else
  field() { dpkg-deb --field "$deb" "$1"; }
  [ "$(field Package)" = jsdebug ] || fail "Package: $(field Package)"
  [ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
  [ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
  expect_contains Depends "$(field Depends)" "nodejs (>= 18)"
  expect_contains Depends "$(field Depends)" "libc6"          # dpkg-shlibdeps ran
  expect_contains Depends "$(field Depends)" "libcurl4"
  [ "$gui" = nogui ] || expect_contains Depends "$(field Depends)" "libqt6widgets6"
  expect_contains Recommends "$(field Recommends)" "fonts-wqy-microhei"
  [ -n "$(field Maintainer)" ] || fail "no Maintainer"
  [ -n "$(field Description)" ] || fail "no Description"

  contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
  for f in "${expected[@]}"; do expect_contains contents "$contents" "./usr/$f"; done
  outside=$(grep -v '^\./usr/' <<<"$contents" | grep -v '^\./$' || true)
  [ -z "$outside" ] || fail "files outside /usr: $outside"
fi

[ "$failures" -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "install test passed"
