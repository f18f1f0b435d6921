#!/bin/sh
# Fuzz PortNumberFromText against the reference for SECONDS (default 30).
# Exits non-zero on any finding; the input that caused it is left in
# $FUZZ_BUILD_DIR/findings/ (default build-fuzz/ at the top of the checkout).
# Needs clang and libclang-rt-14-dev.
set -eu

seconds=${1:-30}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}

cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"

# libFuzzer adds every new input to the first corpus folder it is given, so it
# works on a copy and the corpus in the repository only changes by hand.
work="$build/corpus"
findings="$build/findings"
rm -rf "$work" "$findings"
mkdir -p "$work" "$findings"
cp "$here"/corpus/* "$work"/

if ! "$build/fuzz_portnumbertext" -max_total_time="$seconds" -max_len=64 \
        -artifact_prefix="$findings/" -print_final_stats=1 "$work"; then
    echo "run-fuzz.sh: finding(s) in $findings:" >&2
    ls -l "$findings" >&2
    exit 1
fi
