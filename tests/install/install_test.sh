#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop needs:
# both programs, the desktop entry, the metainfo and the icons, with the
# desktop entry and the metainfo passing their validators.
#   install_test.sh BUILD_DIR
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

fail=0
expect_file() {
  if [ -f "$prefix/$1" ]; then echo "ok: $1"; else echo "FAIL: missing $1"; fail=1; fi
}
expect_file bin/velnorit
expect_file bin/velnorit-liste
expect_file share/applications/org.velnorit.Velnorit.desktop
expect_file share/metainfo/org.velnorit.Velnorit.metainfo.xml
expect_file share/icons/hicolor/16x16/apps/org.velnorit.Velnorit.png
expect_file share/icons/hicolor/32x32/apps/org.velnorit.Velnorit.png
expect_file share/icons/hicolor/scalable/apps/org.velnorit.Velnorit.svg

desktop-file-validate "$prefix/share/applications/org.velnorit.Velnorit.desktop" || fail=1
appstreamcli validate --no-net "$prefix/share/metainfo/org.velnorit.Velnorit.metainfo.xml" || fail=1

entry="$prefix/share/applications/org.velnorit.Velnorit.desktop"
grep -qx 'Name=Rationale Velnorit' "$entry" || { echo "FAIL: desktop entry name"; fail=1; }
grep -qx 'Categories=Education;Math;' "$entry" || { echo "FAIL: desktop entry categories"; fail=1; }
grep -qx 'Icon=org.velnorit.Velnorit' "$entry" || { echo "FAIL: desktop entry icon"; fail=1; }

# The installed list command runs on its own.
"$prefix/bin/velnorit-liste" 5 0 2 + | grep -q '^  > 10/ 9       1/ 144    5 \*$' || { echo "FAIL: installed velnorit-liste"; fail=1; }
exit $fail
