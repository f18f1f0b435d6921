#!/usr/bin/env bash
# Builds Qt for Windows once, from Debian's own qt6-base and qt6-websockets
# sources, with Debian's Qt host tools (moc, rcc) and MinGW-w64, into a cache
# folder outside the checkout; beside Qt, the two small libraries the remote
# control uses (http-parser, qrcodegen), also from Debian's sources. Prints
# the folder (the prefix) last. The folder's name holds Qt's version and a
# digest of the flags, the libraries' versions and the compiler: while they
# hold, the build is reused.
#   packaging/windows/build-qt.sh [CACHE_FOLDER]
set -euo pipefail
# Read whole before it runs: bash reads a script as it goes, and an edit to
# this file during the half-hour build would otherwise break the run.
{
here=$(cd "$(dirname "$0")" && pwd)
cache=${1:-${XDG_CACHE_HOME:-$HOME/.cache}/scoreboard-windows}
mkdir -p "$cache"

version=$(dpkg-query -W -f='${Version}' qt6-base-dev) # the host tools must match the target's Qt
websockets_version=$(apt-cache showsrc qt6-websockets | sed -n 's/^Version: //p' | sort -V | tail -n 1)
http_parser_version=$(apt-cache showsrc http-parser | sed -n 's/^Version: //p' | sort -V | tail -n 1)
qrcodegen_version=$(apt-cache showsrc qr-code-generator | sed -n 's/^Version: //p' | sort -V | tail -n 1)
vendor=${SCOREBOARD_VENDOR:-$here/../../../shared/vendor}
websockets_tarball=qtwebsockets-everywhere-src-${version%%+*}.tar.xz
websockets_sha256=44118ad922318068cec5f08bb3277ad1f680755c54bb287ee29fd7574a64a8d7
# Core, Gui, Widgets, Network and Test, and nothing the program does not use;
# plain HTTP only (no TLS backend). Debian's source leaves out 3rdparty/wintab,
# hence no tablet events.
flags=(
    -release -shared -opensource -confirm-license
    -nomake examples -nomake tests
    -xplatform win32-g++ -qt-host-path /usr
    -no-opengl -no-dbus -no-icu -no-feature-sql -no-feature-printsupport
    -no-openssl -no-feature-schannel -no-feature-ssl
    -no-feature-concurrent -no-feature-xml -no-feature-tabletevent
    -qt-zlib -qt-libpng -qt-pcre -no-feature-zstd -no-libjpeg
)
key=$( (
    echo "$version $websockets_version $websockets_sha256 $http_parser_version $qrcodegen_version"
    printf '%s\n' "${flags[@]}"
    x86_64-w64-mingw32-g++-posix --version | head -n 1
) | sha256sum | cut -c1-12)
prefix=$cache/qt-${version%%+*}-$key
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$cache/work-$key
# Stages: Qt's base, then Qt WebSockets on it, then the two small libraries;
# a stage that finished is kept, so a failure later does not cost the
# half-hour base build again.
if [ ! -f "$prefix/.qtbase-complete" ]; then
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
# The licence texts the downloads carry beside the DLLs, and the record of
# the source they were built from.
mkdir -p "$prefix/licenses"
cp "$source_dir"/LICENSES/{LGPL-3.0-only,GPL-3.0-only}.txt "$source_dir/debian/copyright" "$prefix/licenses/"
echo "$version" >"$prefix/licenses/debian-version"
touch "$prefix/.qtbase-complete"
fi

# Qt WebSockets on the Qt just installed. Debian's archive lists
# qt6-websockets' source but, on some mirrors, serves none of its files: then
# upstream's tarball of the same version is taken from $SCOREBOARD_VENDOR
# (default: the shared/vendor folder beside the checkout), checked by hash.
rm -rf "$work/websockets"
mkdir -p "$work/websockets" && cd "$work/websockets"
if apt-get source -qq "qt6-websockets=$websockets_version" >/dev/null 2>&1; then
    websockets_dir=$(find "$work/websockets" -maxdepth 1 -mindepth 1 -type d -name 'qt6-websockets-*')
elif [ -f "$vendor/$websockets_tarball" ]; then
    echo "$websockets_sha256  $vendor/$websockets_tarball" | sha256sum --check --quiet >&2 ||
        { echo "build-qt: $vendor/$websockets_tarball is not the expected file" >&2; exit 1; }
    tar -xf "$vendor/$websockets_tarball"
    websockets_dir=$work/websockets/${websockets_tarball%.tar.xz}
else
    echo "build-qt: no Qt WebSockets source: 'apt-get source qt6-websockets' fetched nothing" \
        "and $vendor/$websockets_tarball is missing (set SCOREBOARD_VENDOR)" >&2
    exit 1
fi
echo "build-qt: building Qt WebSockets from $websockets_dir" >&2
{ cmake -S "$websockets_dir" -B build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF &&
    ninja -C build && ninja -C build install; } >websockets.log 2>&1 ||
    { tail -n 40 websockets.log >&2; exit 1; }

# http-parser (one C file) and qrcodegen's C++ library (one file) as static
# libraries with their headers, from the upstream sources Debian's -dev
# packages are built from (the mirror lacks qr-code-generator's Debian part,
# and neither needs its patches to build).
echo "build-qt: building http-parser and qrcodegen" >&2
rm -rf "$work/small"
mkdir -p "$work/small" && cd "$work/small"
apt-get source --tar-only --download-only -qq "http-parser=$http_parser_version" \
    "qr-code-generator=$qrcodegen_version" >/dev/null 2>&1 ||
    { echo "build-qt: 'apt-get source http-parser qr-code-generator' failed" >&2; exit 1; }
for tarball in *.orig.tar.*; do tar -xf "$tarball"; done
http_dir=$(find . -maxdepth 1 -mindepth 1 -type d -iname 'http-parser-*')
qr_dir=$(find . -maxdepth 1 -mindepth 1 -type d -iname 'qr-code-generator-*')
x86_64-w64-mingw32-gcc-posix -O2 -c "$http_dir/http_parser.c" -o http_parser.o
x86_64-w64-mingw32-g++-posix -O2 -std=c++17 -c "$qr_dir/cpp/qrcodegen.cpp" -o qrcodegen.o
mkdir -p "$prefix/include/qrcodegen" "$prefix/lib"
x86_64-w64-mingw32-ar rcs "$prefix/lib/libhttp_parser.a" http_parser.o
x86_64-w64-mingw32-ar rcs "$prefix/lib/libqrcodegencpp.a" qrcodegen.o
cp "$http_dir/http_parser.h" "$prefix/include/"
cp "$qr_dir/cpp/qrcodegen.hpp" "$prefix/include/qrcodegen/"
cp "$http_dir/LICENSE-MIT" "$prefix/licenses/http-parser-LICENSE-MIT.txt"
cp "$qr_dir/Readme.markdown" "$prefix/licenses/qrcodegen-Readme.markdown"

touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
exit
}
