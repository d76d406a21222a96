#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks it as an
# administrator would meet it: lintian accepts it (no errors, no warnings
# that are not overridden with a reason), the control fields are filled, the
# unpacked list command runs, and both manual pages render without warnings.
#   package_test.sh BUILD_DIR VERSION
set -euo pipefail
build_dir=$(cd "$1" && pwd)
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail=0
report() { echo "FAIL: $*"; fail=1; }

(cd "$build_dir" && cpack -G DEB -B "$work" >"$work/cpack.log") || { cat "$work/cpack.log"; exit 1; }
deb="$work/velnorit_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "FAIL: no $(basename "$deb")"; ls "$work"; exit 1; }
echo "ok: $(basename "$deb")"

echo "--- lintian"
if lintian --fail-on error,warning "$deb" 2>/dev/null; then echo "ok: lintian"; else report "lintian reports errors or warnings"; fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Section)" = education ] || report "section is '$(field Section)'"
for name in Maintainer Homepage Description; do
  [ -n "$(field "$name")" ] || report "empty field $name"
done
# The libraries come from dpkg-shlibdeps; the fonts and translations are named.
depends=$(field Depends)
depended_names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for package in libqt6widgets6 libstdc++6 fonts-liberation2 qt6-translations-l10n; do
  grep -qxF "$package" <<<"$depended_names" || report "Depends lacks $package: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
for path in usr/bin/velnorit usr/bin/velnorit-liste \
            usr/share/applications/org.velnorit.Velnorit.desktop \
            usr/share/metainfo/org.velnorit.Velnorit.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/org.velnorit.Velnorit.svg \
            usr/share/man/man1/velnorit.1.gz usr/share/man/man1/velnorit-liste.1.gz \
            usr/share/doc/velnorit/copyright usr/share/doc/velnorit/changelog.gz; do
  [ -f "$root/$path" ] || report "missing /$path"
done
head -n 1 "$root/usr/share/doc/velnorit/copyright" |
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  report "copyright is not in Debian's machine-readable format"
grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\"/>" \
  "$root/usr/share/metainfo/org.velnorit.Velnorit.metainfo.xml" || report "metainfo has no release $version with a date"

echo "--- the unpacked velnorit-liste 5 0 2 +"
"$root/usr/bin/velnorit-liste" 5 0 2 + >"$work/list.txt" || report "velnorit-liste ended with status $?"
cat >"$work/expected.txt" <<'LIST'
  Folge max/min(n)
  und erreichte Genauigkeit
  (* = absolute Verbesserung)

  > 1/ 1       1/ 8    1 *

  < 2/ 1       1/ 1   -11
  < 3/ 2       1/ 2   -16
LIST
head -n "$(wc -l <"$work/expected.txt")" "$work/list.txt" | diff "$work/expected.txt" - || report "velnorit-liste's first lines differ"

echo "--- the manual pages"
for page in velnorit velnorit-liste; do
  file="$root/usr/share/man/man1/$page.1.gz"
  rendered=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$file" 2>"$work/man-warnings.txt") ||
    report "man -l $page.1.gz failed"
  if [ -s "$work/man-warnings.txt" ]; then
    report "man warns on $page(1):"
    cat "$work/man-warnings.txt"
  fi
  for heading in BEZEICHNUNG ÜBERSICHT BESCHREIBUNG OPTIONEN RÜCKGABEWERT; do
    grep -q "^$heading" <<<"$rendered" || report "$page(1) has no section $heading"
  done
  grep -q "Rationale Velnorit $version" <<<"$rendered" || report "$page(1) does not name version $version"
done
[ $fail -eq 0 ] && echo "ok: package, lintian, unpacked program and manual pages"
exit $fail
