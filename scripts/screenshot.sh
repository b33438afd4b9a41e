#!/usr/bin/env bash
# Pictures of the workbench as a user sees it: starts the window on a virtual display with a
# window manager (for the title bar and frame), saves the window as a PNG, then runs the default
# call through "系统引擎运行" and saves it again, and once more after 对比运行 of the same call;
# between the first two, the find, replace and go-to windows, each by itself; at the end 编码工具
# with the result.
#
#   scripts/screenshot.sh [OUTPUT_DIR]      (default: build/screenshots)
#
# Needs a built build/bin/jsdebug, and Xvfb, openbox, xdotool, xwininfo and ImageMagick
# (scripts/setup.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-build/screenshots}
program=${JSDEBUG_PROGRAM:-build/bin/jsdebug}
mkdir -p "$out"
[ -x "$program" ] || { echo "screenshot.sh: $program not built (cmake --build build)" >&2; exit 1; }
for tool in Xvfb xdotool xwininfo import; do
  command -v "$tool" >/dev/null || { echo "screenshot.sh: $tool missing (scripts/setup.sh)" >&2; exit 1; }
done

# A display number nobody uses.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export DISPLAY=":$display"

pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
# Without a window manager the pictures show the client area only.
if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 0.5
else
  echo "screenshot.sh: openbox missing, no title bar or frame in the pictures" >&2
fi

unset QT_QPA_PLATFORM
"$program" >/dev/null 2>&1 &
pids+=($!)

window=$(timeout 20 xdotool search --sync --onlyvisible --name "墨岩JS调试工具" | head -n 1)
[ -n "$window" ] || { echo "screenshot.sh: the window did not appear" >&2; exit 1; }
sleep 1

# The frame belongs to the window manager; its parent window holds title bar and frame.
frame=$(xwininfo -id "$window" -children 2>/dev/null | awk '/Parent window id/ {print $4}')
shoot() { # $1 file
  if [ -n "$frame" ] && [ "$frame" != "$(xwininfo -root | awk '/Window id/ {print $4}')" ]; then
    import -window "$frame" "$1"
  else
    import -window "$window" "$1"
  fi
  echo "$1"
}
shoot "$out/window.png"

# The secondary windows, each opened from its toolbar entry (查找, 替换, 转到; the main window
# does not move or resize, so their places are fixed) and closed again with Esc.
for entry in 287:find 312:replace 337:goto; do
  xdotool mousemove --window "$window" "${entry%%:*}" 15 click 1
  sleep 0.7
  import -window "$(xdotool getactivewindow)" "$out/window-${entry#*:}.png"
  echo "$out/window-${entry#*:}.png"
  xdotool key Escape
  sleep 0.3
done

# Click into the call box, type the call of the default code, click "系统引擎运行".
xdotool mousemove --window "$window" 300 500 click 1
sleep 0.2
xdotool type --delay 20 "test('abc',123)"
xdotool mousemove --window "$window" 894 500 click 1
sleep 1
shoot "$out/window-after-run.png"

# The same call through both engines with 对比运行, from its shortcut in the 工具 drop-down; the
# V8 side starts node on its first run, so give it time.
xdotool key --window "$window" ctrl+shift+r
sleep 4
shoot "$out/window-after-compare.png"

# 编码工具 from the 工具 drop-down's shortcut, with the run's result as input, after its "MD5"
# button (third row, fourth column of the grid).
xdotool key ctrl+shift+b
sleep 1
encode=$(xdotool getactivewindow)
xdotool mousemove --window "$encode" 512 318 click 1
sleep 0.5
import -window "$encode" "$out/window-encode.png"
echo "$out/window-encode.png"
xdotool key Escape
sleep 0.3

# 调试运行 (Ctrl+F5 in the 工具 drop-down): F9 puts a breakpoint on the default code's third
# line, the run pauses there; a watch typed into the 调试 window, which is then pictured alone
# (window-debug.png) and, moved aside, with the main window on the whole screen
# (window-debug-paused.png). Esc closes the 调试 window, which stops the run.
xdotool mousemove --window "$window" 400 300 click 1
sleep 0.2
xdotool key ctrl+Home Down Down F9
xdotool key --window "$window" ctrl+F5
sleep 3
debugger=$(xdotool getactivewindow)
xdotool mousemove --window "$debugger" 100 500 click 1
sleep 0.2
xdotool type --delay 20 "aa + bb"
xdotool key Return
sleep 1.5
import -window "$debugger" "$out/window-debug.png"
echo "$out/window-debug.png"
xdotool windowmove "$debugger" 700 440
sleep 0.7
import -window root "$out/window-debug-paused.png"
echo "$out/window-debug-paused.png"
xdotool windowactivate --sync "$debugger" 2>/dev/null
xdotool key Escape
sleep 0.5
