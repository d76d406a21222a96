#!/usr/bin/env bash
# scripts/prepare's root helper: a user who is neither root nor has sudo gets
# the German su command that names what is missing, and no attempt through
# sudo; with a sudo in PATH, or as root, it goes ahead. Run as root (as in CI),
# the cases of a plain user run as the user nobody.
#   root_access_test.sh scripts/root_access.sh
set -euo pipefail
# Passed on as text: the user nobody need not be able to read the worktree.
helper=$(cat "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/no_sudo" "$work/with_sudo"
printf '#!/bin/sh\nexit 0\n' >"$work/with_sudo/sudo"
chmod -R a+rX "$work"
chmod a+x "$work/with_sudo/sudo"
bash=$(command -v bash)
failures=0

# in_shell USER PATH SCRIPT: runs SCRIPT after the helper, as root or as a
# plain user, with only PATH to find programs in; prints standard error too.
in_shell() {
  local user=$1 path=$2 script=$3 become=()
  if [ "$user" = plain ] && [ "$EUID" -eq 0 ]; then
    become=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
  fi
  "${become[@]}" /usr/bin/env -i PATH="$path" "$bash" -c "$helper"$'\n'"$script" 2>&1
}

expect() {
  local what=$1 outcome=$2 wanted=$3
  if [ "$outcome" != "$wanted" ]; then
    echo "FAIL: $what: $outcome, expected $wanted"
    failures=$((failures + 1))
  fi
}

steps='explain_root_steps "apt-get install xdotool libgmp-dev" "locale-gen"'
output=$(in_shell plain "$work/no_sudo" "can_run_as_root && echo yes || echo no; $steps")
expect "plain user without sudo may act as root" "$(head -n 1 <<<"$output")" no
expect "the su command" "$(grep -c "^    su -c 'apt-get install xdotool libgmp-dev && locale-gen'$" <<<"$output")" 1
expect "mentions of running sudo" "$(grep -c 'sudo:' <<<"$output" || true)" 0

expect "plain user with sudo may act as root" \
  "$(in_shell plain "$work/with_sudo" 'can_run_as_root && echo yes || echo no')" yes
if [ "$EUID" -eq 0 ]; then
  expect "root without sudo may act as root" \
    "$(in_shell root "$work/no_sudo" 'can_run_as_root && echo yes || echo no')" yes
fi

if [ "$failures" -gt 0 ]; then
  printf '%s\n' "--- output of the plain user without sudo:" "$output"
  exit 1
fi
echo "root helper: all cases as expected"
