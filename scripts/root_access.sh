# Sourced by scripts/prepare: what needs root (apt-get, locale-gen) runs
# directly for root and through sudo for anyone else. A user who is neither
# root nor has sudo (a minimal Debian has no sudo) is told what to run as
# root instead of meeting "sudo: command not found". Only shell built-ins
# here, so that the decision depends on nothing in PATH but sudo.

as_root() {
  if [ "$EUID" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

can_run_as_root() {
  [ "$EUID" -eq 0 ] || command -v sudo >/dev/null
}

# explain_root_steps COMMAND...: on standard error, in German, the one su
# call that runs the given shell commands as root, one after the other.
explain_root_steps() {
  local joined="$1" step
  shift
  for step in "$@"; do joined+=" && $step"; done
  printf '%s\n' \
    "Dieser Benutzer ist nicht root, und sudo gibt es auf diesem Rechner nicht." \
    "Bitte einmal als root ausführen (su fragt nach dem Passwort von root):" \
    "" \
    "    su -c '$joined'" \
    "" \
    "und danach diesen Befehl noch einmal aufrufen." >&2
}
