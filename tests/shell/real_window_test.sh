#!/usr/bin/env bash
# Starts the real program on a 1024 x 768 X server (Xvfb), checks that its
# window fills the screen with the caption "Rationale Velnorit", and saves a
# screenshot for a person to look at. Then once more under a window manager
# (openbox): there the frame, decorations included, fills the screen.
# Between the two: a board drawn and the program killed with kill -9 leaves
# a recovery copy, which the next start offers and restores; an end with
# nothing drawn leaves the state folder empty.
#   real_window_test.sh PROGRAM GRAB_SCREEN SCREENSHOT.png
set -euo pipefail
program=$1
grab_screen=$2
screenshot=$3

if [ -z "${VELNORIT_IN_XVFB:-}" ]; then
  export VELNORIT_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

unset QT_QPA_PLATFORM
runtime_dir=$(mktemp -d)
export XDG_RUNTIME_DIR="$runtime_dir"
export HOME="$runtime_dir/home" XDG_STATE_HOME="$runtime_dir/state"
mkdir -p "$HOME"
copies() { find "$XDG_STATE_HOME" -name '*.velnorit' 2>/dev/null | sort; }
pid=
wm_pid=
trap 'kill $pid $wm_pid 2>/dev/null || true; rm -rf "$runtime_dir"' EXIT
start_program() {
  "$program" &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Rationale Velnorit$' | head -n 1)
  sleep 1 # let the first paint finish (and a window manager frame the window)
}
field() { sed -n "s/^ *$1: *//p" <<<"$info"; }
# The outermost window that holds the given one: the window manager's frame.
outermost() {
  local id=$1 tree
  while tree=$(xwininfo -tree -id "$id") &&
    [ "$(sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p' <<<"$tree")" != \
      "$(sed -n 's/^ *Root window id: \(0x[0-9a-f]*\).*/\1/p' <<<"$tree")" ]; do
    id=$(sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p' <<<"$tree")
  done
  echo "$id"
}

start_program
info=$(xwininfo -id "$window")

fail=0
check() {
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1 is '$2', expected '$3'"
    fail=1
  else
    echo "ok: $1 = $2"
  fi
}
# Starts the program with a recovery copy waiting and answers its question
# with Return; fails (and answers nothing) when no question comes.
start_and_restore() {
  "$program" &
  pid=$!
  local question
  question=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tafelbild wiederherstellen$' | head -n 1 || true)
  check "$1" "$([ -n "$question" ] && echo yes || echo no)" yes
  [ -n "$question" ] || return 1
  xdotool windowfocus --sync "$question" key Return
}
check "caption" "$(xdotool getwindowname "$window")" "Rationale Velnorit"
check "left" "$(field 'Absolute upper-left X')" 0
check "top" "$(field 'Absolute upper-left Y')" 0
check "width" "$(field Width)" 1024
check "height" "$(field Height)" 768

"$grab_screen" "$screenshot"
echo "screenshot: $screenshot"

# Without a window manager the window takes the keyboard at start: a key
# opens a dialog.
check "keyboard at start" "$(xdotool getwindowfocus)" "$window"
xdotool key ctrl+o
dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tafelbild öffnen$' | head -n 1)
check "keyboard in the dialog" "$(xdotool getwindowfocus)" "$dialog"
xdotool key Escape

if ! kill -0 "$pid" 2>/dev/null; then
  echo "FAIL: the program ended by itself"
  fail=1
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
check "copies after an end with nothing drawn" "$(copies)" ""

# A stroke with the pen across the graph, then kill -9 after the copy's
# two seconds.
start_program
xdotool mousemove 250 300 mousedown 1 mousemove 300 330 mousemove 350 360 mouseup 1
sleep 2.5
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
left=$(copies)
check "copies left by kill -9" "$(wc -l <<<"$left" | tr -d ' ')" 1
cp "$left" "$runtime_dir/killed.velnorit"
if start_and_restore "the next start asks"; then
  sleep 2.5 # the restored board is unsaved: its own copy is written
  now=$(copies)
  check "copies once restored" "$(wc -l <<<"$now" | tr -d ' ')" 1
  check "the killed window's copy was taken over" "$([ "$now" != "$left" ] && echo yes || echo no)" yes
  check "the restored board is the killed one" \
    "$(cmp -s "$now" "$runtime_dir/killed.velnorit" && echo same || echo different)" same
fi
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
rm -rf "$XDG_STATE_HOME"

openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
sleep 1
start_program
info=$(xwininfo -id "$(outermost "$window")")
check "frame left under a window manager" "$(field 'Absolute upper-left X')" 0
check "frame top under a window manager" "$(field 'Absolute upper-left Y')" 0
check "frame width under a window manager" "$(field Width)" 1024
check "frame height under a window manager" "$(field Height)" 768
client=$(xwininfo -id "$window")
if [ "$(sed -n 's/^ *Height: *//p' <<<"$client")" -ge 768 ]; then
  echo "FAIL: the client area is not smaller than the screen: the window manager drew no frame"
  fail=1
fi

# --- The keyboard after the recovery question (without a window manager) ---
# The question is answered by a key; the next key reaches the window without
# a click: Strg+E opens the export dialog. The copy is the killed board's.
kill "$wm_pid" "$pid" 2>/dev/null || true
wait "$wm_pid" "$pid" 2>/dev/null || true
wm_pid=
mkdir -p "$XDG_STATE_HOME/velnorit"
cp "$runtime_dir/killed.velnorit" "$XDG_STATE_HOME/velnorit/wiederherstellung-tastatur.velnorit"
if start_and_restore "a copy left behind is offered"; then
  window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Rationale Velnorit' | head -n 1)
  # A slow build gives the focus back a moment after the question closes.
  for _ in $(seq 50); do
    [ "$(xdotool getwindowfocus)" = "$window" ] && break
    sleep 0.1
  done
  xdotool key ctrl+e
  export_dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Bild exportieren$' | head -n 1 || true)
  check "after the question, Strg+E reaches the window" "$([ -n "$export_dialog" ] && echo yes || echo no)" yes
fi
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
# The file dialogs of all runs above (the first was "Tafelbild öffnen") kept
# their history in memory: no QtProject.conf anywhere in the home.
check "Qt settings files in the home" "$(find "$HOME" -name 'QtProject*' | tr '\n' ' ')" ""
exit $fail
