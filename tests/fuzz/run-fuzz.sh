#!/bin/sh
# Fuzz for SECONDS each (default 30): PortNumberFromText against the
# reference, and the remote control's request handling against its rules.
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

findings="$build/findings"
rm -rf "$findings"
mkdir -p "$findings"
status=0
# target, its corpus, the longest input worth trying
for run in "fuzz_portnumbertext corpus 64" "fuzz_remoterequest remote-corpus 12000"; do
    set -- $run
    # libFuzzer adds every new input to the first corpus folder it is given,
    # so it works on a copy and the corpus in the repository only changes by
    # hand.
    work="$build/$2"
    rm -rf "$work"
    mkdir -p "$work"
    cp "$here/$2"/* "$work"/
    echo "run-fuzz.sh: $1 for $seconds s" >&2
    "$build/$1" -max_total_time="$seconds" -max_len="$3" \
        -artifact_prefix="$findings/$1-" -print_final_stats=1 "$work" || status=1
done
if [ "$status" -ne 0 ]; then
    echo "run-fuzz.sh: finding(s) in $findings:" >&2
    ls -l "$findings" >&2
fi
exit "$status"
