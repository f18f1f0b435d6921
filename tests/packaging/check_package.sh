#!/usr/bin/env bash
# Builds the .deb from a build folder, unpacks it into a scratch root and
# checks that a desktop would find the program, its entry and its icon.
# usage: check_package.sh BUILD-DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/out/*.deb)
echo "package: $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6core6 libqt6widgets6 libqt6serialport6 qt6-qpa-plugins fonts-dseg; do
    grep -q "\b$needed\b" <<<"$depends" || fail "$needed is not a dependency"
done

dpkg -x "$deb" "$scratch/root"
root=$scratch/root/usr
desktop=$root/share/applications/scoreboard.desktop
metainfo=$root/share/metainfo/io.github.scoreboard.console.metainfo.xml
for file in "$root/bin/scoreboard" "$root/bin/scoreboard-monitor" "$desktop" "$metainfo" \
    "$root/share/icons/hicolor/32x32/apps/scoreboard.xpm" "$root/share/icons/hicolor/scalable/apps/scoreboard.svg"; do
    [ -f "$file" ] || fail "missing ${file#"$scratch/root"}"
done
[ -x "$root/bin/scoreboard" ] || fail "scoreboard is not executable"

desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

# The entry must name what the package holds.
grep -qx "Exec=scoreboard" "$desktop" || fail "Exec is not the installed scoreboard"
grep -qx "Icon=scoreboard" "$desktop" || fail "Icon is not the installed icon"
grep -qx "Name=Scoreboard" "$desktop" || fail "Name is not the window's caption"
echo "package checks: all passed"
