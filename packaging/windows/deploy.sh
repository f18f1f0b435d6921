#!/usr/bin/env bash
# Lays out the Windows program with the DLLs it needs, and no more, and the
# licence texts; then packs the portable zip and the installer from that.
#   deploy.sh EXE QT_PREFIX CXX VERSION ICON OUT_DIR
# Prints the paths of the zip and the installer.
set -euo pipefail
exe=$1 qt=$2 cxx=$3 version=$4 icon=$5 out=$6
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
triple=x86_64-w64-mingw32

name=scoreboard-$version
stage=$out/windows-stage/$name
zip=$out/$name-windows-x64.zip
setup=$out/$name-setup.exe
rm -rf "$stage" "$zip" "$setup"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/licenses"

# The program, Qt's three libraries it links, the two plugins Qt loads by
# name (the window system, the native look), and the C++ runtime.
cp "$exe" "$stage/scoreboard.exe"
cp "$qt"/bin/Qt6{Core,Gui,Widgets}.dll "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
runtime_dirs=()
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    found=$("$cxx" -print-file-name="$dll")
    [ -f "$found" ] || { echo "deploy: $dll not found by $cxx" >&2; exit 1; }
    cp "$found" "$stage/"
    runtime_dirs+=("$(dirname "$found")")
done
find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec "$triple-strip" --strip-unneeded {} +

# Every DLL that a file here imports is here, or is Windows' own (not one of
# Qt's or the compiler's); every DLL here is imported by something here.
imports() { "$triple-objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
status=0
needed=" "
while IFS= read -r file; do
    for dll in $(imports "$file"); do
        needed+="${dll,,} "
        [ -f "$stage/$dll" ] && continue
        for dir in "$qt/bin" "${runtime_dirs[@]}"; do
            if [ -n "$(find "$dir" -maxdepth 1 -iname "$dll" -print -quit)" ]; then
                echo "deploy: ${file#"$stage"/} needs $dll, which is not laid out" >&2
                status=1
            fi
        done
    done
done < <(find "$stage" \( -name '*.exe' -o -name '*.dll' \))
for dll in "$stage"/*.dll; do
    base=$(basename "$dll")
    [[ $needed == *" ${base,,} "* ]] || { echo "deploy: nothing needs $base" >&2; status=1; }
done
[ "$status" -eq 0 ] || exit 1

licenses=$stage/licenses
cp "$top/LICENSE" "$licenses/scoreboard-MIT.txt"
cp "$qt/licenses/LGPL-3.0-only.txt" "$licenses/Qt-LGPL-3.0.txt"
cp "$qt/licenses/GPL-3.0-only.txt" "$licenses/GPL-3.0.txt"
cp "$qt/licenses/copyright" "$licenses/Qt-copyright.txt"
cp /usr/share/doc/fonts-dseg/copyright "$licenses/DSEG-font-OFL-1.1.txt"
cp /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright "$licenses/GCC-runtime.txt"
cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$licenses/mingw-w64-winpthreads.txt"
qt_version=$(cat "$qt/licenses/debian-version")
sed -e "s/@VERSION@/$version/g" -e "s/@QT_VERSION@/$qt_version/g" "$here/licenses-README.txt" |
    sed 's/$/\r/' >"$licenses/README.txt"

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
makensis -V2 -NOCD \
    "-DVERSION=$version" "-DOUTFILE=$setup" "-DICON=$icon" "-DSIZE_KB=$(du -sk "$stage" | cut -f1)" \
    "-DFILES=$files" "-DUNFILES=$unfiles" \
    "$here/installer.nsi" >&2

echo "$zip"
echo "$setup"
