#!/usr/bin/env bash
# The running program as a screen reader sees it, through AT-SPI: on a
# private session bus (dbus-run-session) with its own accessibility bus,
# under Xvfb at 1280 x 800 without resets between clients, in a German
# locale. Accessibility is switched on as a screen reader switches it on;
# screen_reader_check.py then drives the program and reads it.
#   screen_reader_test.sh PROGRAM CHECK_SCRIPT
set -euo pipefail

if [ -z "${VELNORIT_IN_XVFB:-}" ]; then
  export VELNORIT_IN_XVFB=1
  exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x800x24 -noreset" "$0" "$@"
fi

unset QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON
export LC_ALL=de_DE.UTF-8
runtime_dir=$(mktemp -d)
trap 'rm -rf "$runtime_dir"' EXIT
export XDG_RUNTIME_DIR="$runtime_dir" XDG_STATE_HOME="$runtime_dir/state" HOME="$runtime_dir/home"
mkdir -p "$HOME"

# What Orca does at its start: the accessibility bus (started on demand by
# at-spi2-core) is told that a screen reader listens.
dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null

# Debian's Python, which has pyatspi.
exec /usr/bin/python3 "$2" "$1"
