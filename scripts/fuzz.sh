#!/bin/bash
# Builds the libFuzzer targets in build-fuzz with clang and runs each for a
# given number of seconds, two at a time at most, at low priority.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]    targets: pcf ppv xml ini (default all)
#   scripts/fuzz.sh --regress [TARGET...]    runs the kept inputs once each
#
# Environment: FUZZ_JOBS (targets run at once, default 2), FUZZ_TIMEOUT
# (seconds after which one input counts as a hang, default 10).
# Findings (crash-*, leak-*, timeout-*, oom-*) are saved in
# build-fuzz/findings/<target>/; keep each as tests/fixtures/fuzz/<target>/
# once its fault is fixed, where --regress and later runs pick it up.
set -u
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=$ROOT/build-fuzz
ALL_TARGETS=(pcf ppv xml ini)
JOBS=${FUZZ_JOBS:-2}
TIMEOUT=${FUZZ_TIMEOUT:-10}

mode=run
seconds=60
if [[ ${1:-} == --regress ]]; then
    mode=regress
    shift
elif [[ ${1:-} =~ ^[0-9]+$ ]]; then
    seconds=$1
    shift
fi
targets=("$@")
((${#targets[@]} == 0)) && targets=("${ALL_TARGETS[@]}")
for t in "${targets[@]}"; do
    [[ " ${ALL_TARGETS[*]} " == *" $t "* ]] || { echo "unknown target '$t' (${ALL_TARGETS[*]})" >&2; exit 2; }
done

CXX=${CXX:-clang++}
if ! "$CXX" --version 2>/dev/null | grep -qi clang; then
    echo "the fuzz targets need clang; set CXX to a clang++" >&2
    exit 2
fi
mkdir -p "$BUILD"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_CXX_COMPILER="$CXX" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVIMO_FUZZ=ON -DVIMO_BUILD_GUI=OFF -DBUILD_TESTING=OFF -DVIMO_BENCH=OFF >"$BUILD/configure.log" 2>&1 ||
    { cat "$BUILD/configure.log" >&2; exit 1; }
nice ninja -C "$BUILD" -j1 "${targets[@]/#/fuzz_}" || exit 1

# seeds TARGET: the folders whose files start the target's corpus.
seeds() {
    local -a dirs=("$ROOT/tests/fixtures/fuzz/$1")
    case $1 in
    pcf) dirs+=("$ROOT/tests/fixtures/pcf" "$ROOT/examples" "$ROOT/../shared/pcf-corpus") ;;
    ppv) dirs+=("$ROOT/tests/fixtures/ppv") ;;
    xml) dirs+=("$ROOT/tests/fixtures/xml") ;;
    ini) dirs+=("$ROOT/fuzz/seeds/ini") ;;
    esac
    local d
    for d in "${dirs[@]}"; do
        [[ -d $d ]] && [[ -n $(ls -A "$d") ]] && echo "$d"
    done
}

if [[ $mode == regress ]]; then
    status=0
    for t in "${targets[@]}"; do
        kept=$ROOT/tests/fixtures/fuzz/$t
        if [[ ! -d $kept ]] || [[ -z $(ls -A "$kept") ]]; then
            echo "fuzz_$t: no kept inputs"
            continue
        fi
        if "$BUILD/fuzz/fuzz_$t" -timeout="$TIMEOUT" -runs=1 "$kept"/* >"$BUILD/regress-$t.log" 2>&1; then
            echo "fuzz_$t: $(ls "$kept" | wc -l) kept inputs pass"
        else
            echo "fuzz_$t: a kept input fails; see $BUILD/regress-$t.log"
            status=1
        fi
    done
    exit $status
fi

# run_target TARGET: one fuzzing run; its summary line goes to the report.
run_target() {
    local t=$1
    local corpus=$BUILD/corpus/$t findings=$BUILD/findings/$t log=$BUILD/fuzz-$t.log
    mkdir -p "$corpus" "$findings"
    local -a seed_dirs
    mapfile -t seed_dirs < <(seeds "$t")
    local start=$SECONDS
    # One worker process that goes on after a finding, so that every target
    # gets its full time.
    nice -n 10 "$BUILD/fuzz/fuzz_$t" "$corpus" "${seed_dirs[@]}" \
        -dict="$ROOT/fuzz/dict/$t.dict" -max_total_time="$seconds" -timeout="$TIMEOUT" \
        -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
        -rss_limit_mb=2048 -max_len=65536 -artifact_prefix="$findings/" >"$log" 2>&1
    local rc=$?
    # The last status line: "#RUNS: cov: ... oom/timeout/crash: O/T/C time: Ns ..."
    local last runs counts
    last=$(grep -E '^#[0-9]+: cov:' "$log" | tail -n 1)
    runs=$(sed -E 's/^#([0-9]+):.*/\1/' <<<"$last")
    counts=$(sed -E 's|.*oom/timeout/crash: ([0-9/]+).*|\1|' <<<"$last")
    local found
    found=$(find "$findings" -type f | wc -l)
    printf 'fuzz_%s: ran %d s, %s inputs, oom/timeout/crash %s, exit %d, %d findings in %s\n' \
        "$t" "$((SECONDS - start))" "${runs:-?}" "${counts:-?}" "$rc" "$found" "$findings" \
        >"$BUILD/report-$t.txt"
}

mkdir -p "$BUILD"
running=0
for t in "${targets[@]}"; do
    run_target "$t" &
    running=$((running + 1))
    if ((running >= JOBS)); then
        wait -n
        running=$((running - 1))
    fi
done
wait

echo "--- fuzzing report ($seconds s per target) ---"
status=0
for t in "${targets[@]}"; do
    cat "$BUILD/report-$t.txt"
    grep -q ' 0 findings' "$BUILD/report-$t.txt" || status=1
done
exit $status
