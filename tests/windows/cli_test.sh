#!/usr/bin/env bash
# jsdebug-cli.exe end to end under Wine, as a user on a Chinese Windows runs it: GBK script
# files, GBK arguments (Wine hands the UTF-8 command line over in code page 936), the log's CR LF
# bytes unchanged on standard output.
#   tests/windows/cli_test.sh WINE_LOADER CLI_EXE SOURCE_DIR
set -uo pipefail
wine=$1
cli=$2
src=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
passed=0

run() { "$wine" "$cli" "$@" 2>"$work/err"; }
# check NAME EXPECTED_STATUS EXPECTED_UTF8_TEXT -- ARGS: the output (converted from GBK) holds the text.
check() {
  local name=$1 status=$2 want=$3
  shift 4
  local out got
  out=$(run "$@" | iconv -f GBK -t UTF-8 2>/dev/null; exit "${PIPESTATUS[0]}")
  got=$?
  if [ "$got" -ne "$status" ] || [[ "$out" != *"$want"* ]]; then
    echo "FAIL $name: status $got (want $status), output:"; echo "$out" | head -20; cat "$work/err"
    failed=$((failed + 1))
  else
    passed=$((passed + 1))
  fi
}

# A GBK script: 中文 is D6 D0 CE C4.
printf "function f(a){return '\xd6\xd0\xce\xc4' + a}\r\n" >"$work/gbk.js"
printf '\xd6\xd0\xce\xc4' >"$work/zh.txt"

check "run the sample" 0 "返回内容：abc123" -- run "$src/examples/test.js" "test('abc',123)"
check "run a GBK file" 0 "返回内容：中文1" -- run "$work/gbk.js" "f(1)"
check "GBK argument" 0 "返回内容：中文中文" -- run "$work/gbk.js" "f('中文')"
check "load" 0 "代码加载成功!!" -- load "$work/gbk.js"
check "syntax error line" 1 "错误所在行：  3" -- load "$src/tests/data/syntax_error_line3.js"
check "md5" 0 "返回内容：$(md5sum <"$work/gbk.js" | cut -c1-32)" -- md5 "$work/gbk.js"
check "beautify" 0 "function f(a) {" -- beautify "$work/gbk.js"
printf 'function add ( a , b ) {\r\n  return a + b ;\r\n}\r\n' >"$work/spaced.js"
check "minify" 0 "function add(a,b){return a+b" -- minify "$work/spaced.js"
cat >"$work/packed.js" <<'PACKED'
eval(function(p,a,c,k,e,d){e=function(c){return c};if(!''.replace(/^/,String)){while(c--){d[c]=k[c]||c}k=[function(e){return d[e]}];e=function(){return'\\w+'};c=1};while(c--){if(k[c]){p=p.replace(new RegExp('\\b'+e(c)+'\\b','g'),k[c])}}return p}('0(1)',2,2,'alert|x'.split('|'),0,{}))
PACKED
check "unpack" 0 "alert(x)" -- unpack "$work/packed.js"
check "gen-e" 0 "\"test\" ,\"'abc',123\"" -- gen-e "test('abc',123)"
check "a folder is refused" 1 "" -- load "$work"
check "a device is refused" 1 "" -- load NUL
check "fetch refuses other schemes" 1 "" -- fetch "ftp://example.org/a.js"
check "fetch with nobody listening" 1 "" -- fetch "http://127.0.0.1:9/a.js"
# The 编码工具's digests go through BCrypt here: the same answers as Linux's OpenSSL.
check "encode sha256 of GBK" 0 "$(sha256sum <"$work/gbk.js" | cut -c1-64)" -- encode sha256 "$work/gbk.js"
printf 'what do ya want for nothing?' >"$work/jefe.txt"
check "encode hmac-md5" 0 "750c783e6ab0b503eaa86e310a5db738" -- encode hmac-md5 --key Jefe "$work/jefe.txt"
check "encode base64 of GBK" 0 "1tDOxA==" -- encode base64 "$work/zh.txt"
# No Windows node here: the V8 run reports it as its error, the program goes on.
JSDEBUG_NODE='C:\no\node.exe' check "v8 without node" 1 "找不到 node 程序" -- v8 "$src/examples/test.js" "test('abc',123)"
# The script rewriting starts its own node child the same way, and says on standard error that
# it is missing.
JSDEBUG_NODE='C:\no\node.exe' run to-jscript "$src/examples/test.js" >/dev/null
status=$?
if [ "$status" -eq 1 ] && iconv -f GBK -t UTF-8 <"$work/err" | grep -q "找不到 node 程序"; then
  passed=$((passed + 1))
else
  echo "FAIL to-jscript without node: status $status (want 1), standard error:"; cat "$work/err"
  failed=$((failed + 1))
fi

# The log's line ends reach standard output as CR LF, not CR CR LF.
run run "$src/examples/test.js" "test('abc',123)" >"$work/raw"
if grep -q $'\r\r' "$work/raw" || ! grep -q $'\r$' "$work/raw"; then
  echo "FAIL line ends: $(od -c "$work/raw" | head -3)"; failed=$((failed + 1))
else
  passed=$((passed + 1))
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
