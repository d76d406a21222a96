#!/usr/bin/env bash
# Builds the Debian source and binary packages twice with scripts/package
# (dpkg-buildpackage), in two different folders, and checks them as the
# archive and an administrator would meet them:
#  - lintian on the .changes (the source package and the binary packages):
#    no errors and no warnings that are not overridden with a reason;
#  - the two builds give byte-identical .deb files;
#  - the control fields, the files, the unpacked list command, and the
#    manual pages: English in man1, German in de/man1, and `man` choosing by
#    locale;
#  - as root (the CI's throwaway machine), apt installs the .deb, xdg-mime
#    names the lesson file type, the package's own autopkgtest passes on the
#    installed package, and purging leaves none of its files behind.
#   package_test.sh SOURCE_DIR VERSION
set -euo pipefail
source_dir=$(cd "$1" && pwd)
version=$2
arch=$(dpkg --print-architecture)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail=0
report() { echo "FAIL: $*"; fail=$((fail + 1)); }

build() {
  local started=$SECONDS
  VELNORIT_PACKAGE_DIR="$work/$1" "$source_dir/scripts/package" >"$work/$1.log" 2>&1 ||
    { tail -n 40 "$work/$1.log"; echo "FAIL: scripts/package in $1/"; exit 1; }
  echo "ok: build in $1/ took $((SECONDS - started)) s"
}
build first
deb="$work/first/velnorit_${version}_${arch}.deb"
for file in "$deb" "$work/first/velnorit_${version}.dsc" "$work/first/velnorit_${version}.tar.xz"; do
  [ -f "$file" ] || { echo "FAIL: no $(basename "$file")"; ls "$work/first"; exit 1; }
done

echo "--- lintian on the source and binary packages"
if lintian --fail-on error,warning "$work/first/velnorit_${version}_${arch}.changes"; then echo "ok: lintian"
else report "lintian reports errors or warnings"; fi

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
            usr/share/man/de/man1/velnorit.1.gz usr/share/man/de/man1/velnorit-liste.1.gz \
            usr/share/doc/velnorit/copyright usr/share/doc/velnorit/changelog.gz; do
  [ -f "$root/$path" ] || report "missing /$path"
done
head -n 1 "$root/usr/share/doc/velnorit/copyright" |
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  report "copyright is not in Debian's machine-readable format"
grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\">" \
  "$root/usr/share/metainfo/org.velnorit.Velnorit.metainfo.xml" || report "metainfo has no release $version with a date"
# Fully stripped: no .comment section left for lintian to note.
for program in velnorit velnorit-liste; do
  if objdump -h "$root/usr/bin/$program" | grep -qw '\.comment'; then report "$program keeps its .comment section"; fi
done

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
# Each page renders without warnings, with its language's sections; `man`
# finds the English page under C.UTF-8 and the German one under de_DE.UTF-8.
check_page() { # file, locale, headings …
  local file=$1 locale=$2 rendered
  shift 2
  rendered=$(LC_ALL=$locale MANWIDTH=80 man --warnings -E UTF-8 -l "$file" 2>"$work/man-warnings.txt") ||
    report "man -l $file failed"
  if [ -s "$work/man-warnings.txt" ]; then
    report "man warns on $file:"
    cat "$work/man-warnings.txt"
  fi
  for heading in "$@"; do
    grep -q "^$heading" <<<"$rendered" || report "$file has no section $heading"
  done
  grep -q "Rationale Velnorit $version" <<<"$rendered" || report "$file does not name version $version"
}
for page in velnorit velnorit-liste; do
  check_page "$root/usr/share/man/man1/$page.1.gz" C.UTF-8 NAME SYNOPSIS DESCRIPTION OPTIONS 'EXIT STATUS'
  check_page "$root/usr/share/man/de/man1/$page.1.gz" de_DE.UTF-8 BEZEICHNUNG ÜBERSICHT BESCHREIBUNG OPTIONEN RÜCKGABEWERT
done
if locale -a | grep -qi '^de_DE\.utf-\?8$'; then
  fail_before=$fail
  for page in velnorit velnorit-liste; do
    # MANPATH, not -M: man-db looks into a tree's language folders only then.
    english=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 MANPATH="$root/usr/share/man" MANWIDTH=80 man "$page" 2>&1 | head -n 3)
    german=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=de_DE.UTF-8 MANPATH="$root/usr/share/man" MANWIDTH=80 man "$page" 2>&1 | head -n 3)
    grep -q '^NAME' <<<"$english" || report "man $page under C.UTF-8 shows: $english"
    grep -q '^BEZEICHNUNG' <<<"$german" || report "man $page under de_DE.UTF-8 shows: $german"
  done
  [ $fail -ne $fail_before ] || echo "ok: man picks English or German by locale"
else
  report "no de_DE.UTF-8 locale (scripts/prepare makes it)"
fi

echo "--- the second build, in another folder"
build second
# Both .deb files: the program package and its debug symbols.
for first in "$work"/first/*.deb; do
  second="$work/second/$(basename "$first")"
  first_sum=$(sha256sum <"$first" | cut -d' ' -f1)
  second_sum=$(sha256sum <"$second" | cut -d' ' -f1) || { report "second/ has no $(basename "$first")"; continue; }
  echo "sha256 $(basename "$first"): first/ $first_sum, second/ $second_sum"
  if [ "$first_sum" = "$second_sum" ]; then echo "ok: identical"
  else
    report "the two builds of $(basename "$first") differ"
    if command -v diffoscope >/dev/null; then diffoscope "$first" "$second" | head -n 80; fi
  fi
done

echo "--- installed with apt"
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: installing needs root"
elif [ "$(dpkg-query -W -f='${db:Status-Status}' velnorit 2>/dev/null)" = installed ]; then
  echo "skipped: velnorit is installed on this machine already, and the test would remove it"
else
  export DEBIAN_FRONTEND=noninteractive
  apt_get=(apt-get -o DPkg::Lock::Timeout=600 -y -qq)
  "${apt_get[@]}" install --no-install-recommends "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; report "apt-get install failed"; }
  lesson="$work/Stunde 3.velnorit"
  printf '{}\n' >"$lesson"
  filetype=$(env -u XDG_DATA_HOME -u XDG_DATA_DIRS XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$lesson")
  if [ "$filetype" = application/x-velnorit ]; then echo "ok: xdg-mime names $filetype"
  else report "xdg-mime names '$filetype' for a lesson file"; fi
  # The package's autopkgtest, on the installed package.
  AUTOPKGTEST_TMP="$work/autopkgtest" && mkdir "$AUTOPKGTEST_TMP" && export AUTOPKGTEST_TMP
  "$source_dir/debian/tests/list-and-window" || report "the autopkgtest list-and-window failed"
  files=$(dpkg -L velnorit | while read -r path; do [ ! -f "$path" ] || echo "$path"; done)
  "${apt_get[@]}" remove --purge velnorit >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; report "apt-get remove --purge failed"; }
  left=$(while read -r path; do [ ! -e "$path" ] || echo "$path"; done <<<"$files")
  [ -z "$left" ] || report "files left after purging: $left"
  echo "ok: installed, checked and purged"
fi

[ $fail -eq 0 ] || exit 1
echo "ok: source and binary packages, lintian, reproducible, man pages, installed package"
