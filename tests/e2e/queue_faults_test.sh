#!/bin/bash
# A queue that refuses jobs, and a queue that is stopped: the print fails, the
# job stays in the spool folder and nothing is archived; once the queue takes
# jobs again the job prints, exactly once.
# Usage: queue_faults_test.sh /path/to/vimoprn
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
spooler_start
JOBS=$E2E_ROOT/jobs

# queue_fault NAME DISABLE ENABLE: one fault case; DISABLE and ENABLE are the
# commands that put the queue out of and back into service.
queue_fault() {
    local name=$1 disable=$2 enable=$3
    local job=$name.pcf ref=E2E-${name^^}
    make_pcf "$JOBS/$job" "$ref" E2ESPEC5
    "$disable" "$QUEUE"
    local start
    start=$(log_lines)
    drop_job "$JOBS/$job" "$job"
    check "$name: the spooler tries the job again in a later cycle" \
        wait_until 180 found_again "$start" "$job"
    check "$name: the job stays in the spool folder, unchanged" \
        same_bytes "$SPOOL/$job" "$JOBS/$job"
    check "$name: nothing is archived" file_absent "$ARCHIVE/$job"
    check "$name: nothing has been printed" eval '[[ $(count_holding "$QUEUE" "$ref") -eq 0 ]]'
    check "$name: the spooler log reports the failed print" log_reports_failure_after "$start"
    check "$name: the spooler keeps running" spooler_running

    "$enable" "$QUEUE"
    check "$name: once the queue is back the job leaves the spool folder" \
        wait_until 120 file_absent "$SPOOL/$job"
    check "$name: it is archived" same_bytes "$ARCHIVE/$job" "$JOBS/$job"
    check "$name: the queue has finished its jobs" wait_until 60 queue_has_no_active_jobs "$QUEUE"
    check "$name: the job is printed exactly once" printed_text_once "$QUEUE" "$ref"

    # And the next job simply prints.
    make_pcf "$JOBS/${name}-next.pcf" "${ref}-NEXT" E2ESPEC5
    check "$name: the next job's cycle ends" run_job "$JOBS/${name}-next.pcf" "${name}-next.pcf"
    check "$name: the next job is printed once" printed_text_once "$QUEUE" "${ref}-NEXT"
}

queue_fault rejecting cupsreject cupsaccept
queue_fault stopped cupsdisable cupsenable

check "the spool folder is empty" spool_is_empty
check "four jobs were printed in all" eval '[[ $(printed_count "$QUEUE") -eq 4 ]]'
spooler_stop
check "SIGTERM ends the spooler with exit status 0" eval '[[ $SPOOLER_STATUS -eq 0 ]]'
e2e_finish
