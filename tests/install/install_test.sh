#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop needs:
# both programs, the desktop entry, the metainfo and the icons, with the
# desktop entry and the metainfo passing their validators, and the lesson
# file type, which xdg-mime must name for a *.velnorit file.
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
expect_file share/mime/packages/org.velnorit.Velnorit.xml
expect_file share/icons/hicolor/scalable/mimetypes/application-x-velnorit.svg
expect_file share/man/man1/velnorit.1.gz
expect_file share/man/man1/velnorit-liste.1.gz
expect_file share/man/de/man1/velnorit.1.gz
expect_file share/man/de/man1/velnorit-liste.1.gz

desktop-file-validate "$prefix/share/applications/org.velnorit.Velnorit.desktop" || fail=1
appstreamcli validate --no-net "$prefix/share/metainfo/org.velnorit.Velnorit.metainfo.xml" || fail=1

entry="$prefix/share/applications/org.velnorit.Velnorit.desktop"
grep -qx 'Name=Rationale Velnorit' "$entry" || { echo "FAIL: desktop entry name"; fail=1; }
grep -qx 'Categories=Education;Math;' "$entry" || { echo "FAIL: desktop entry categories"; fail=1; }
grep -qx 'Icon=org.velnorit.Velnorit' "$entry" || { echo "FAIL: desktop entry icon"; fail=1; }
grep -qx 'Exec=velnorit %f' "$entry" || { echo "FAIL: desktop entry does not pass the file"; fail=1; }
grep -qx 'MimeType=application/x-velnorit;' "$entry" || { echo "FAIL: desktop entry MIME type"; fail=1; }
# English defaults with German translations, in the entry and the metainfo.
for key in GenericName Comment Keywords; do
  grep -q "^$key=" "$entry" && grep -q "^$key\[de\]=" "$entry" || { echo "FAIL: desktop entry lacks $key or $key[de]"; fail=1; }
done
grep -qx 'Comment\[de\]=Wie gut nähern Brüche .*' "$entry" || { echo "FAIL: German comment"; fail=1; }
metainfo="$prefix/share/metainfo/org.velnorit.Velnorit.metainfo.xml"
grep -q '<summary>How well do fractions' "$metainfo" && grep -q '<summary xml:lang="de">Wie gut' "$metainfo" ||
  { echo "FAIL: metainfo summary in English and German"; fail=1; }
grep -q '<screenshot type="default">' "$metainfo" && grep -q '<image>https\?://[^<]*\.png</image>' "$metainfo" ||
  { echo "FAIL: metainfo has no default screenshot with an address"; fail=1; }

# The file type as a desktop sees it once shared-mime-info has built its
# cache: by name, whatever the file holds.
update-mime-database "$prefix/share/mime"
lesson="$prefix/Stunde 3.velnorit"
printf '{}\n' >"$lesson"
filetype=$(XDG_DATA_HOME="$prefix/empty" XDG_DATA_DIRS="$prefix/share:/usr/share" XDG_CURRENT_DESKTOP=GNOME \
  xdg-mime query filetype "$lesson")
if [ "$filetype" = application/x-velnorit ]; then echo "ok: xdg-mime names $filetype"
else echo "FAIL: xdg-mime names '$filetype' for a lesson file"; fail=1; fi

# The installed list command runs on its own.
"$prefix/bin/velnorit-liste" 5 0 2 + | grep -q '^  > 10/ 9       1/ 144    5 \*$' || { echo "FAIL: installed velnorit-liste"; fail=1; }
exit $fail
