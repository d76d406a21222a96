#!/usr/bin/env bash
# Runs a real-window driver on its own 1024 x 768 x 24 X server (Xvfb; another
# size in VELNORIT_XVFB_SCREEN, e.g. 1920x1080x24) with a
# private runtime and state folder, so that neither the driver nor the program under
# test has anything to say about a missing one. In the sanitizer build a leak
# inside a system library is not the program's and must not land on its
# standard error.
#   run_in_xvfb.sh DRIVER ARGUMENTS...
set -euo pipefail

if [ -z "${VELNORIT_IN_XVFB:-}" ]; then
  export VELNORIT_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 ${VELNORIT_XVFB_SCREEN:-1024x768x24}" "$0" "$@"
fi

unset QT_QPA_PLATFORM
runtime_dir=$(mktemp -d)
state_dir=$(mktemp -d)
trap 'rm -rf "$runtime_dir" "$state_dir"' EXIT
export XDG_RUNTIME_DIR="$runtime_dir"
# A state folder of its own: a recovery copy that one scenario leaves (it
# ends with a board it never saved) must not greet the next one at start.
export XDG_STATE_HOME="$state_dir"
suppressions="$(cd "$(dirname "$0")/.." && pwd)/system_leak_suppressions.txt"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$suppressions:print_suppressions=0"
"$@"
