#!/usr/bin/env bash
# Start-up time of the real program as a user sees it: from starting the
# process until its window is visible on a 1920 x 1080 X server (Xvfb),
# over several runs; prints the median in milliseconds.
#   bench/startup_time.sh [PROGRAM] [RUNS]
set -euo pipefail
program=${1:-build/velnorit}
runs=${2:-9}

if [ -z "${VELNORIT_IN_XVFB:-}" ]; then
  export VELNORIT_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$program" "$runs"
fi
unset QT_QPA_PLATFORM
runtime_dir=$(mktemp -d)
export XDG_RUNTIME_DIR="$runtime_dir"
trap 'rm -rf "$runtime_dir"' EXIT

times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$program" &
  pid=$!
  # xdotool's own --sync waits in steps of half a second; poll finer.
  until xdotool search --onlyvisible --name '^Rationale Velnorit$' >/dev/null 2>&1; do
    kill -0 "$pid" || { echo "the program ended"; exit 1; }
    sleep 0.005
  done
  end=$(date +%s%N)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  times+=($(((end - start) / 1000000)))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up to visible window, ms: ${sorted[*]}"
echo "median: ${sorted[$((runs / 2))]} ms"
