#!/bin/bash
# Stopping the service with SIGTERM while a cycle runs: the cycle ends first,
# the program exits with status 0, and every job is either untouched in the
# spool folder or printed and archived, never half done. A second start
# prints the rest, so that each job is printed exactly once.
# Usage: service_stop_test.sh /path/to/vimoprn
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$HERE/lib/common.sh"
source "$HERE/lib/cups.sh"
source "$HERE/lib/files.sh"
source "$HERE/lib/spooler.sh"

e2e_init "$1"
cups_start
QUEUE=vimo_e2e
cups_add_queue "$QUEUE"
spooler_setup "$QUEUE" 1
JOBS=$E2E_ROOT/jobs
NAMES=(stop-a stop-b stop-c stop-d)
for name in "${NAMES[@]}"; do
    make_pcf "$JOBS/$name.pcf" "E2E-${name^^}" E2ESPEC3
    drop_job "$JOBS/$name.pcf" "$name.pcf"
done

# whole_state NAME: the job is either untouched in the spool folder and not
# printed, or printed once and archived, and not both.
whole_state() {
    local job=$1.pcf printed
    printed=$(count_holding "$QUEUE" "E2E-${1^^}")
    if [[ -f $SPOOL/$job ]]; then
        cmp -s "$SPOOL/$job" "$JOBS/$job" && [[ $printed -eq 0 && ! -e $ARCHIVE/$job ]]
    else
        cmp -s "$ARCHIVE/$job" "$JOBS/$job" && [[ $printed -eq 1 ]]
    fi
}

spooler_start
# SIGTERM as soon as the first job is being worked on.
check "the spooler starts on the first job" wait_until 60 file_contains "$SPOOL_LOG" "Found $SPOOL/"
spooler_stop
check "SIGTERM during a cycle ends the spooler" eval '[[ $SPOOLER_STATUS -ne 124 ]]'
check "the spooler's exit status is 0" eval '[[ $SPOOLER_STATUS -eq 0 ]]'
check "the queue finishes what it was given" wait_until 60 queue_has_no_active_jobs "$QUEUE"
for name in "${NAMES[@]}"; do
    check "$name is either untouched or printed and archived" whole_state "$name"
done
check "no converted sheet is left behind" file_absent "$SPOOL/temp.ppv"
left=$(find "$SPOOL" -name 'stop-*.pcf' | wc -l)
echo "# $left of ${#NAMES[@]} jobs were left for the next start"

spooler_start
check "after a new start the spool folder empties" wait_until 180 spool_is_empty
check "the queue has finished its jobs" wait_until 60 queue_has_no_active_jobs "$QUEUE"
for name in "${NAMES[@]}"; do
    check "$name is printed exactly once and archived" whole_state "$name"
done
spooler_stop
check "the second run ends with exit status 0" eval '[[ $SPOOLER_STATUS -eq 0 ]]'
e2e_finish
