#!/usr/bin/env bash
# v8.dll offers exactly the contract's functions under their plain names, and on 32-bit Windows
# each is stdcall as E's DLL commands call it: the callee removes its own arguments (ret N, N the
# bytes of its parameters), else E finds its stack off after each call. Read from the binary, so
# it holds even where no 32-bit program can run.
#   tests/windows/exports_test.sh OBJDUMP V8_DLL ARCH
set -uo pipefail
objdump=$1
nm=${objdump%objdump}nm
dll=$2
arch=$3
failed=0

names=$("$objdump" -p "$dll" | sed -n '/Ordinal\/Name Pointer/,/^$/p' | grep -E '^\s*\[ *[0-9]+\]' | sed 's/.*\] //' | sort | tr '\n' ' ')
if [ "$names" != "ExecJavaScriptV8 InitializeV8 JsdebugExecV8 " ]; then
  echo "FAIL exports: $names"
  failed=1
fi

if [ "$arch" = i686 ]; then
  # name, bytes of parameters: a pointer, then five and eight pointer-sized or int parameters.
  for entry in InitializeV8:4 ExecJavaScriptV8:20 JsdebugExecV8:32; do
    name=${entry%%:*} bytes=${entry##*:}
    # The function's code runs from its symbol to the next symbol by address: objdump alone would
    # run on into the file-local functions an optimised build places after it.
    bounds=$("$nm" -n "$dll" | awk -v sym="_${name}@${bytes}" 'found { print $1; exit } $3 == sym { printf "%s ", $1; found = 1 }')
    start=${bounds%% *} stop=${bounds##* }
    returns=$("$objdump" -d --start-address="0x$start" --stop-address="0x$stop" "$dll" | grep -E '\sret' | awk '{$1=$1};1' | sed 's/.*\sret/ret/' | sort -u | tr '\n' ';')
    want="ret \$0x$(printf '%x' "$bytes");"
    if [ "$returns" != "$want" ]; then
      echo "FAIL $name: returns with '$returns', want '$want'"
      failed=1
    fi
  done
fi

if [ "$failed" -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit "$failed"
