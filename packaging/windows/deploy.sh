#!/usr/bin/env bash
# Lays out the Windows program with the DLLs it needs, and no more, and the
# licence texts; then packs the portable zip and the installer from that.
#   deploy.sh EXE COM QT_PREFIX CXX VERSION ICON OUT_DIR
# Prints the paths of the zip and the installer.
set -euo pipefail
exe=$1 com=$2 qt=$3 cxx=$4 version=$5 icon=$6 out=$7
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
triple=x86_64-w64-mingw32

name=scoreboard-$version
stage=$out/windows-stage/$name
zip=$out/$name-windows-x64.zip
setup=$out/$name-setup.exe
rm -rf "$stage" "$zip" "$setup"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/licenses" "$stage/translations"

# The program, its console companion, and the two plugins Qt loads by name
# (the window system, the native look); then every DLL that any of these
# imports from Qt or the compiler's runtime, and what those import, found by
# following the imports: whatever Qt modules the program links come along
# (Qt Network and Qt WebSockets for the remote control), and nothing else. A
# Qt or runtime DLL that is not found stops the build: left out, the program
# would not start on a machine without it.
cp "$exe" "$stage/scoreboard.exe"
cp "$com" "$stage/scoreboard.com"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
search=("$qt/bin")
for dll in libstdc++-6.dll libwinpthread-1.dll; do
    found=$("$cxx" -print-file-name="$dll")
    [ -f "$found" ] || { echo "deploy: $dll not found by $cxx" >&2; exit 1; }
    search+=("$(dirname "$(realpath "$found")")")
done
imports() { "$triple-objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
queue=("$stage"/scoreboard.exe "$stage"/scoreboard.com "$stage"/platforms/*.dll "$stage"/styles/*.dll)
while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    for dll in $(imports "$file"); do
        [ -n "$(find "$stage" -maxdepth 1 -iname "$dll" -print -quit)" ] && continue
        found=$(find "${search[@]}" -maxdepth 1 -iname "$dll" -print -quit)
        if [ -z "$found" ]; then
            case "${dll,,}" in
            qt6*.dll | lib*.dll)
                echo "deploy: $dll, which $(basename "$file") needs, is not in ${search[*]}" >&2
                exit 1
                ;;
            esac
            continue # Windows' own
        fi
        cp "$found" "$stage/"
        queue+=("$stage/$(basename "$found")")
    done
done
find "$stage" \( -name '*.exe' -o -name '*.com' -o -name '*.dll' \) -exec "$triple-strip" --strip-unneeded {} +

# The program's own translations are built into it; Qt's, for its standard
# texts (the buttons of a question, a text field's menu), come from Debian's
# qt6-translations-l10n, of the same Qt version, one per language the program
# speaks.
for ts in "$top"/translations/scoreboard_*.ts; do
    language=${ts##*/scoreboard_}
    language=${language%.ts}
    qm=/usr/share/qt6/translations/qtbase_$language.qm
    [ -f "$qm" ] || { echo "deploy: $qm not found: install qt6-translations-l10n" >&2; exit 1; }
    cp "$qm" "$stage/translations/"
done

licenses=$stage/licenses
cp "$top/LICENSE" "$licenses/scoreboard-MIT.txt"
cp "$qt/licenses/LGPL-3.0-only.txt" "$licenses/Qt-LGPL-3.0.txt"
cp "$qt/licenses/GPL-3.0-only.txt" "$licenses/GPL-3.0.txt"
cp "$qt/licenses/copyright" "$licenses/Qt-copyright.txt"
cp /usr/share/doc/fonts-dseg/copyright "$licenses/DSEG-font-OFL-1.1.txt"
cp /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright "$licenses/GCC-runtime.txt"
cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$licenses/mingw-w64-winpthreads.txt"
# The small libraries linked into the program, where it links them (its own
# symbols say so; the copy laid out above is stripped).
# (grep reads to the end: with -q its early exit fails the pipe.)
linked() { "$triple-nm" -C "$exe" | grep "$1" >/dev/null; }
inside=""
if linked ' T http_parser_execute$'; then
    cp "$qt/licenses/http-parser-LICENSE-MIT.txt" "$licenses/http-parser-MIT.txt"
    inside+=$'http-parser, inside scoreboard.exe\n                          MIT License: http-parser-MIT.txt\n'
fi
if linked 'qrcodegen::QrCode::'; then
    sed -n '/^License$/,$p' "$qt/licenses/qrcodegen-Readme.markdown" >"$licenses/qrcodegen-MIT.txt"
    inside+=$'QR Code generator (qrcodegen), inside scoreboard.exe\n                          MIT License: qrcodegen-MIT.txt\n'
fi
qt_files=$(cd "$stage" && find . -maxdepth 2 \( -iname 'Qt6*.dll' -o -path './platforms/*' -o -path './styles/*' \) |
    sed 's|^\./||; s|/|\\|g' | sort | paste -sd, | sed 's/,/, /g')
qt_version=$(cat "$qt/licenses/debian-version")
# Qt WebSockets is a source package of its own, built by the same script.
websockets=""
if [ -f "$stage/Qt6WebSockets.dll" ]; then
    upstream=${qt_version%%+*}
    websockets="                          Qt6WebSockets.dll: built unchanged from Qt WebSockets
                          $upstream, Debian's qt6-websockets source package or the
                          same version's qtwebsockets-everywhere-src-$upstream.tar.xz
                          from download.qt.io/archive/qt/.
"
fi
sed -e "s/@VERSION@/$version/g" -e "s/@QT_VERSION@/$qt_version/g" "$here/licenses-README.txt" |
    QT_FILES=$qt_files INSIDE=$inside WEBSOCKETS=$websockets awk '
        /@QT_FILES@/ { print ENVIRON["QT_FILES"]; next }
        /@INSIDE@/ { printf "%s", ENVIRON["INSIDE"]; next }
        /@WEBSOCKETS@/ { printf "%s", ENVIRON["WEBSOCKETS"]; next }
        { print }' | sed 's/$/\r/' >"$licenses/README.txt"

# Portable: one folder, unpacked anywhere.
(cd "$out/windows-stage" && cmake -E tar cf "$zip" --format=zip "$name")

# The installer names each file, so that the uninstaller removes those and
# nothing else, whatever folder it was given.
files=$out/windows-stage/files.nsh
unfiles=$out/windows-stage/unfiles.nsh
: >"$files"
: >"$unfiles"
while IFS= read -r dir; do
    relative=${dir#"$stage"}
    relative=${relative#/}
    echo "SetOutPath \"\$INSTDIR${relative:+\\${relative//\//\\}}\"" >>"$files"
    while IFS= read -r file; do
        windows=${file#"$stage"/}
        echo "File \"$file\"" >>"$files"
        echo "Delete \"\$INSTDIR\\${windows//\//\\}\"" >>"$unfiles"
    done < <(find "$dir" -maxdepth 1 -type f | sort)
done < <(find "$stage" -type d | sort)
while IFS= read -r dir; do
    relative=${dir#"$stage"/}
    echo "RMDir \"\$INSTDIR\\${relative//\//\\}\"" >>"$unfiles"
done < <(find "$stage" -mindepth 1 -type d | sort -r)
makensis -V2 -NOCD -INPUTCHARSET UTF8 \
    "-DVERSION=$version" "-DOUTFILE=$setup" "-DICON=$icon" "-DSIZE_KB=$(du -sk "$stage" | cut -f1)" \
    "-DFILES=$files" "-DUNFILES=$unfiles" \
    "$here/installer.nsi" >&2

echo "$zip"
echo "$setup"
