#!/usr/bin/env bash
# Checks what the package puts on a machine, either from a build folder
# (cmake --install into a scratch root: cheap, run by CTest) or from the .deb
# that ./dev package makes (adds lintian, Depends, copyright, changelog).
# Both: the exact file list, the desktop entry, icons and AppStream metainfo
# under one id, the manual pages, and the installed programs' command line.
# usage: check_package.sh BUILD-DIR | check_package.sh PACKAGE.deb
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

version=$(sed -n 's/^project(scoreboard VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
[ -n "$version" ] || fail "no project version in CMakeLists.txt"
app_id=io.github.scoreboard.console
root=$scratch/root

if [[ $1 == *.deb ]]; then
    deb=$(realpath "$1")
    dpkg -x "$deb" "$root"
else
    DESTDIR=$root cmake --install "$1" --prefix /usr >"$scratch/install.log" || { cat "$scratch/install.log"; fail "cmake --install"; }
fi

# Exactly these files, so that neither a test program nor a stray build
# product is shipped, and nothing the desktop needs is missing. Compressed
# names count as their plain ones (debhelper gzips manual pages and docs).
expected=(
    /usr/bin/scoreboard /usr/bin/scoreboard-monitor
    "/usr/share/applications/$app_id.desktop" "/usr/share/metainfo/$app_id.metainfo.xml"
    "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    /usr/share/man/man1/scoreboard.1 /usr/share/man/man1/scoreboard-monitor.1
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
[ -n "${deb:-}" ] && expected+=(/usr/share/doc/scoreboard/README.md /usr/share/doc/scoreboard/changelog /usr/share/doc/scoreboard/copyright)
# The remote control's module, in the library folder of the build (the
# package's is the architecture's own).
if [ -n "${deb:-}" ]; then
    libdir=lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)
else
    libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$1/CMakeCache.txt")
fi
expected+=("/usr/$libdir/scoreboard/scoreboard-remote.so")
(cd "$root" && find . -type f -printf '/%P\n' | sed 's/\.gz$//' | sort) >"$scratch/files"
printf '%s\n' "${expected[@]}" | sort >"$scratch/expected"
diff -u "$scratch/expected" "$scratch/files" || fail "the installed files are not the expected ones (- missing, + extra)"

for size in 16 22 24 32 48 64 128 256; do
    file "$root/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png" | grep -q "PNG image data, $size x $size" ||
        fail "the ${size}x$size icon is not a $size-pixel PNG"
done
desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --pedantic --no-net "$metainfo" || fail "appstreamcli validate"
grep -qx "Exec=scoreboard" "$desktop" || fail "Exec is not the installed scoreboard"
grep -qx "Icon=$app_id" "$desktop" || fail "Icon is not the installed icon"
grep -qx "Name=Scoreboard" "$desktop" || fail "Name is not the window's caption"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" || fail "the metainfo does not launch the desktop entry"
grep -q "<project_license>MIT</project_license>" "$metainfo" || fail "the metainfo does not say MIT"
newest_release=$(grep -o -m1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)
[ "$newest_release" = "$version" ] || fail "the metainfo's newest release is $newest_release, the project is $version"

# The installed programs, where there is no display (a window attempt would
# abort instead of reaching a serial port): --help and --version answer and
# exit 0, an unknown option is refused with status 2.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
for program in scoreboard scoreboard-monitor; do
    binary=$root/usr/bin/$program
    [ -x "$binary" ] || fail "$program is not executable"
    answer=$("${no_display[@]}" "$binary" --version 2>&1) || fail "$program --version exits $?"
    [ "$answer" = "$program $version" ] || fail "$program --version says '$answer', the project is $version"
    helps=(--help)
    [ "$program" = scoreboard-monitor ] && helps+=("--help --window")
    for help in "${helps[@]}"; do
        # shellcheck disable=SC2086 # two words on purpose
        "${no_display[@]}" "$binary" $help >"$scratch/help" 2>&1 || fail "$program $help exits $?"
        grep -q "^Usage:" "$scratch/help" || fail "$program $help prints no usage"
    done
    status=0
    "${no_display[@]}" "$binary" --no-such-option >"$scratch/out" 2>"$scratch/err" || status=$?
    [ "$status" -eq 2 ] || fail "$program --no-such-option exits $status, not 2"
    grep -q "no-such-option" "$scratch/err" || fail "$program --no-such-option does not name the option"
    [ ! -s "$scratch/out" ] || fail "$program --no-such-option prints on standard output"

    page=$(ls "$root/usr/share/man/man1/$program.1"*)
    man --warnings -l "$page" 2>"$scratch/man-warnings" | col -b >"$scratch/page"
    [ ! -s "$scratch/man-warnings" ] || { cat "$scratch/man-warnings"; fail "$program(1) has roff warnings"; }
    for section in OPTIONS "PORT NUMBERS" "SERIAL PORT ACCESS" FILES "SEE ALSO"; do
        grep -q "^$section" "$scratch/page" || fail "$program(1) has no $section section"
    done
    grep -q -- "--version" "$scratch/page" || fail "$program(1) does not list --version"
    grep -q "dialout" "$scratch/page" || fail "$program(1) does not name the dialout group"
done
grep -q "scoreboard.conf" <(man -l "$root"/usr/share/man/man1/scoreboard.1* | col -b) || fail "scoreboard(1) does not name its settings file"

if [ -n "${deb:-}" ]; then
    echo "package: $deb"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package version is not the project's $version"
    depends=$(dpkg-deb -f "$deb" Depends)
    recommends=$(dpkg-deb -f "$deb" Recommends)
    echo "Depends: $depends"
    echo "Recommends: $recommends"
    for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6network6; do
        grep -q "\b$needed\b" <<<"$depends" || fail "$needed is not a dependency"
    done
    # The X11 platform plugin is in libqt6gui6; the program has a fallback font.
    for unwanted in qt6-qpa-plugins fonts-dseg libgl1 libopengl0; do
        ! grep -q "\b$unwanted\b" <<<"$depends" || fail "$unwanted should not be a dependency"
    done
    # The window falls back to other fonts without them: recommended, not required.
    for font in fonts-dseg fonts-liberation; do
        tr ',' '\n' <<<"$recommends" | grep -qx " *$font" || fail "$font is not recommended"
    done
    dbgsym=$(dirname "$deb")/scoreboard-dbgsym_${version}_$(dpkg-deb -f "$deb" Architecture).deb
    [ -f "$dbgsym" ] || fail "no debug symbols package $(basename "$dbgsym")"

    copyright=$root/usr/share/doc/scoreboard/copyright
    grep -qx "License: MIT" "$copyright" || fail "the copyright file does not say MIT"
    # The license text in the copyright file is LICENSE's, word for word.
    tac "$copyright" | sed '/^License: MIT$/q' | tac | tail -n +2 | sed 's/^ //; s/^\.$//' >"$scratch/license"
    diff -u <(tail -n +5 "$source_dir/LICENSE") "$scratch/license" || fail "the copyright file's license is not LICENSE"

    lintian --info --pedantic --fail-on error,warning "$deb" || fail "lintian"
    echo "lintian: no error, no warning"

    # On a CI machine (root, nothing of ours installed): install with apt,
    # use it, purge it, and find nothing left. Never on a developer's machine,
    # where the build-tree programs must stay the only ones.
    if [ -n "${CI:-}" ] && [ "$(id -u)" -eq 0 ] && ! dpkg-query -W scoreboard >/dev/null 2>&1; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$scratch/apt.log" 2>&1 || { cat "$scratch/apt.log"; fail "apt install"; }
        dpkg -L scoreboard | grep -vx "/." >"$scratch/installed"
        [ "$(env -u DISPLAY scoreboard --version)" = "scoreboard $version" ] || fail "the installed scoreboard --version"
        man -w scoreboard-monitor >/dev/null || fail "man finds no installed scoreboard-monitor(1)"
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq scoreboard >"$scratch/apt.log" 2>&1 || { cat "$scratch/apt.log"; fail "apt purge"; }
        ! dpkg-query -W scoreboard >/dev/null 2>&1 || fail "scoreboard is still known to dpkg after purge"
        # A folder may stay only while another package owns it.
        while read -r path; do
            [ ! -e "$path" ] || { [ -d "$path" ] && dpkg -S "$path" >/dev/null 2>&1; } || fail "$path is left after purge"
        done <"$scratch/installed"
        echo "installed, used and purged: nothing left"
    fi
fi
echo "package checks: all passed"
