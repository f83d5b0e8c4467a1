#!/bin/bash
# Soak benchmark (not a test): PCF jobs through the headless spooler with
# timer 1 on the "PDF file" printer, fed a few at a time as a design system
# would. Reports jobs per minute and the program's memory (VmHWM, the peak,
# and VmRSS, the current size, from /proc) at the start and at the end; the
# two must not drift apart with the number of jobs.
#
#   scripts/soak.sh [JOBS] [PROGRAM]    default 500 jobs, build-soak/vimoprn
#
# Environment: SOAK_PCF (a PCF to use for every job instead of the generated
# ones), SOAK_KEEP=1 keeps the temporary folder.
set -u
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=${1:-500}
PROGRAM=${2:-}
BACKLOG=3     # jobs waiting in the spool folder at most
WARMUP=10     # the start figures are taken after this many jobs

if [[ -z $PROGRAM ]]; then
    cmake -S "$ROOT" -B "$ROOT/build-soak" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DVIMO_BENCH=OFF >/dev/null || exit 1
    nice ninja -C "$ROOT/build-soak" -j"${VIMO_JOBS:-1}" vimoprn || exit 1
    PROGRAM=$ROOT/build-soak/vimoprn
fi
PROGRAM=$(readlink -f "$PROGRAM")

# The job files come from the end-to-end suites' helpers.
E2E_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/vimo-soak-XXXXXX") || exit 1
source "$ROOT/tests/e2e/lib/files.sh"
cleanup() {
    [[ -n ${PID:-} ]] && kill -0 "$PID" 2>/dev/null && kill -TERM "$PID" && wait "$PID"
    if [[ -n ${SOAK_KEEP:-} ]]; then echo "kept $E2E_ROOT"; else rm -rf "$E2E_ROOT"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

export APPDATA=$E2E_ROOT/appdata HOME=$E2E_ROOT/home QT_QPA_PLATFORM=offscreen
# No print server: the "PDF file" printer is the only one, and no real queue
# can be reached.
export CUPS_SERVER=$E2E_ROOT/no-print-server.sock
SPOOL=$E2E_ROOT/spool ARCHIVE=$E2E_ROOT/archive LOGS=$E2E_ROOT/log WORK=$E2E_ROOT/work
mkdir -p "$APPDATA" "$HOME" "$SPOOL" "$ARCHIVE" "$LOGS" "$WORK" "$E2E_ROOT/jobs"
printf '%s\r\n' "[PRINTSERVER]" "Spool_Printer=PDF file" "Spool_Queue=$SPOOL/" \
    "Spool_Jobs=$ARCHIVE/" "LogFiles=$LOGS/" "Spool_Timer=1" "SaveJobs=1" "StopOnError=0" \
    >"$WORK/solvanta.ini"

job_file() {
    local path=$E2E_ROOT/jobs/$1
    if [[ -n ${SOAK_PCF:-} ]]; then
        cp "$SOAK_PCF" "$path"
    else
        make_pcf "$path" "SOAK-LINE-$2" "SOAK-SPEC"
    fi
    echo "$path"
}

archived() { find "$ARCHIVE" -maxdepth 1 -name 'soak-*.pcf' | wc -l; }
waiting() { find "$SPOOL" -maxdepth 1 -name 'soak-*.pcf' | wc -l; }
memory() { awk '/^VmHWM:|^VmRSS:/ { printf "%s %s kB  ", $1, $2 }' "/proc/$PID/status"; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$PID/status"; }

(cd "$WORK" && exec "$PROGRAM" --headless) >"$E2E_ROOT/program.out" 2>&1 &
PID=$!
echo "soak: $JOBS jobs, program $PROGRAM (pid $PID)"
sleep 1
echo "idle:            $(memory)"

dropped=0
start=$SECONDS
start_mem= start_rss=
while :; do
    if ! kill -0 "$PID" 2>/dev/null; then
        wait "$PID"
        echo "soak: the program ended early with status $? after $(archived) jobs" >&2
        tail -n 20 "$E2E_ROOT/program.out" "$LOGS/vimoprn.log" >&2
        PID=
        exit 1
    fi
    done_jobs=$(archived)
    if [[ -z $start_mem ]] && ((done_jobs >= WARMUP)); then
        start_mem=$(memory) start_rss=$(rss_kb) start_jobs=$done_jobs start_time=$SECONDS
        echo "after $done_jobs jobs:  $start_mem"
    fi
    ((done_jobs >= JOBS)) && break
    while ((dropped < JOBS)) && (($(waiting) < BACKLOG)); do
        dropped=$((dropped + 1))
        name=$(printf 'soak-%04d.pcf' "$dropped")
        src=$(job_file "$name" "$dropped")
        cp "$src" "$SPOOL/.$name" && mv "$SPOOL/.$name" "$SPOOL/$name"
    done
    sleep 0.5
done
elapsed=$((SECONDS - start))
end_mem=$(memory)
end_rss=$(rss_kb)
pdfs=$(find "$APPDATA" -path '*export/pdf/*' -name '*.pdf' | wc -l)
echo "after $JOBS jobs: $end_mem"
awk -v n="$JOBS" -v s="$elapsed" 'BEGIN { printf "jobs per minute: %.1f (%d jobs in %d s; the timer allows 60 at most)\n", n * 60 / s, n, s }'
echo "PDF files written: $pdfs"
awk -v a="$start_rss" -v b="$end_rss" -v j="$((JOBS - start_jobs))" 'BEGIN {
    printf "VmRSS change over the last %d jobs: %+d kB (%+.1f%%)\n", j, b - a, (b - a) * 100 / a }'
kill -TERM "$PID"
wait "$PID"
echo "exit status after SIGTERM: $?"
PID=
