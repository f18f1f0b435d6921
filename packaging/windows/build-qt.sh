#!/usr/bin/env bash
# Builds Qt for Windows once, from Debian's own qt6-base source, with Debian's
# Qt host tools (moc, rcc) and MinGW-w64, into a cache folder outside the
# checkout. Prints the folder (the Qt prefix) last. The folder's name holds
# Qt's version and a digest of the flags and the compiler: while they hold,
# the build is reused.
#   packaging/windows/build-qt.sh [CACHE_FOLDER]
set -euo pipefail
# Read whole before it runs: bash reads a script as it goes, and an edit to
# this file during the half-hour build would otherwise break the run.
{
here=$(cd "$(dirname "$0")" && pwd)
cache=${1:-${XDG_CACHE_HOME:-$HOME/.cache}/scoreboard-windows}
mkdir -p "$cache"

version=$(dpkg-query -W -f='${Version}' qt6-base-dev) # the host tools must match the target's Qt
# Core, Gui, Widgets and Test, and nothing the program does not use. Debian's
# source leaves out 3rdparty/wintab, hence no tablet events.
flags=(
    -release -shared -opensource -confirm-license
    -nomake examples -nomake tests
    -xplatform win32-g++ -qt-host-path /usr
    -no-opengl -no-dbus -no-icu -no-feature-network -no-feature-sql -no-feature-printsupport
    -no-feature-concurrent -no-feature-xml -no-feature-tabletevent
    -qt-zlib -qt-libpng -qt-pcre -no-feature-zstd -no-libjpeg
)
key=$( (
    echo "$version"
    printf '%s\n' "${flags[@]}"
    x86_64-w64-mingw32-g++-posix --version | head -n 1
) | sha256sum | cut -c1-12)
prefix=$cache/qt-${version%%+*}-$key
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$cache/work-$key
rm -rf "$work" "$prefix"
mkdir -p "$work/source" "$work/build"
# The source of the very version installed, with Debian's patches applied.
(cd "$work/source" && apt-get source -qq "qt6-base=$version" >/dev/null 2>&1) || {
    echo "build-qt: 'apt-get source qt6-base' failed: does apt have a deb-src entry?" >&2
    exit 1
}
source_dir=$(find "$work/source" -maxdepth 1 -mindepth 1 -type d -name 'qt6-base-*')

cd "$work/build"
echo "build-qt: configuring Qt $version for Windows in $work/build" >&2
"$source_dir/configure" -prefix "$prefix" "${flags[@]}" -- \
    -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 ||
    { tail -n 40 configure.log >&2; exit 1; }

# 15 to 25 minutes on two cores: one line of progress, rewritten, instead of
# thousands of compiler lines.
echo "build-qt: building (the first time only; 15 to 25 minutes on two cores)" >&2
set +e
ninja -j"$(nproc)" 2>&1 | tee build.log | while IFS= read -r line; do
    case "$line" in
    \[*/*\]*) printf '\rbuild-qt: %s' "${line%%]*}]" >&2 ;;
    esac
done
status=${PIPESTATUS[0]}
set -e
echo >&2
if [ "$status" -ne 0 ]; then
    grep -E 'error|FAILED' build.log | head -n 40 >&2
    exit 1
fi
ninja install >install.log 2>&1 || { tail -n 40 install.log >&2; exit 1; }
# The licence texts the downloads carry beside Qt's DLLs, and the record of
# the source they were built from.
mkdir -p "$prefix/licenses"
cp "$source_dir"/LICENSES/{LGPL-3.0-only,GPL-3.0-only}.txt "$source_dir/debian/copyright" "$prefix/licenses/"
echo "$version" >"$prefix/licenses/debian-version"
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
exit
}
