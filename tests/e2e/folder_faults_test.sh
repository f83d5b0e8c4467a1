#!/bin/bash
# The spooler keeps working through faults of its folders: the spool folder
# disappearing and coming back, the archive folder missing, not a folder or
# read-only, the log folder missing or its log not writable. In each case the
# job prints once and is not lost, and after the fault is mended the next job
# prints and is archived.
# Usage: folder_faults_test.sh /path/to/vimoprn
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$HERE/lib/common.sh"
source "$HERE/lib/cups.sh"
source "$HERE/lib/files.sh"
source "$HERE/lib/spooler.sh"

e2e_init "$1"
cups_start
QUEUE=vimo_e2e
cups_add_queue "$QUEUE"
spooler_setup "$QUEUE" 1 0
spooler_start
JOBS=$E2E_ROOT/jobs
JOB_NUMBER=0

# new_job CASE: writes the next PCF job; sets JOB (its name) and REF.
new_job() {
    JOB_NUMBER=$((JOB_NUMBER + 1))
    JOB=$1-$JOB_NUMBER.pcf
    REF=E2E-${1^^}-$JOB_NUMBER
    make_pcf "$JOBS/$JOB" "$REF" E2ESPEC7
}

job_left_and_archived() {
    [[ ! -e $SPOOL/$1 && -f $ARCHIVE/$1 ]]
}

# kept_safe NAME: the job file is in exactly one safe place, unchanged, and
# not in the spool folder under its own name (where it would print again).
kept_safe() {
    local places=0 where=
    local candidate
    for candidate in "$ARCHIVE/$1" "$TREE/backup/$1" "$SPOOL/$1.notarchived"; do
        if [[ -f $candidate ]] && cmp -s "$candidate" "$JOBS/$1"; then
            places=$((places + 1))
            where=$candidate
        fi
    done
    [[ $places -eq 1 && ! -e $SPOOL/$1 ]] || return 1
    # Outside the archive the spooler log must say where it went.
    [[ $where == "$ARCHIVE/$1" ]] || file_contains "$SPOOL_LOG" "$where"
}

# after_repair CASE: the next job prints and is archived normally.
after_repair() {
    new_job "$1"
    drop_job "$JOBS/$JOB" "$JOB"
    check "$1: after the repair the next job's cycle ends" \
        wait_until 90 job_left_and_archived "$JOB"
    check "$1: after the repair the next job is printed once" printed_text_once "$QUEUE" "$REF"
    check "$1: after the repair the next job is archived unchanged" \
        same_bytes "$ARCHIVE/$JOB" "$JOBS/$JOB"
}

# --- the spool folder disappears and comes back ------------------------------
rm -rf "$SPOOL"
# Let a few one-second ticks meet the missing folder; nothing is concluded
# from the pause itself.
sleep 3
check "spool-gone: the spooler keeps running without its spool folder" spooler_running
mkdir -p "$SPOOL"
after_repair spool-gone

# --- archive faults -------------------------------------------------------------
# archive_fault CASE BREAK REPAIR: the job prints once and is kept safe.
archive_fault() {
    local name=$1
    eval "$2"
    new_job "$name"
    local start
    start=$(log_lines)
    drop_job "$JOBS/$JOB" "$JOB"
    check "$name: the job's cycle ends" wait_until 90 job_cycle_ended "$start" "$JOB"
    check "$name: the job is printed once" printed_text_once "$QUEUE" "$REF"
    check "$name: the job is kept in one place, unchanged, and the log says where" \
        kept_safe "$JOB"
    check "$name: the spooler keeps running" spooler_running
    eval "$3"
    after_repair "$name"
    # Tidy the safe places for the next case.
    rm -f "$TREE/backup/$JOB" "$SPOOL/$JOB.notarchived"
}

archive_fault archive-missing 'rm -rf "$ARCHIVE"' 'mkdir -p "$ARCHIVE"'
archive_fault archive-not-a-folder 'rm -rf "$ARCHIVE"; echo x >"$ARCHIVE"' \
    'rm -f "$ARCHIVE"; mkdir -p "$ARCHIVE"'
archive_fault archive-read-only 'chmod 555 "$ARCHIVE"' 'chmod 755 "$ARCHIVE"'

# --- log faults -------------------------------------------------------------
# log_fault CASE BREAK REPAIR: without a usable log the job still prints and
# is archived.
log_fault() {
    local name=$1
    eval "$2"
    new_job "$name"
    drop_job "$JOBS/$JOB" "$JOB"
    check "$name: the job leaves the spool folder and is archived" \
        wait_until 90 job_left_and_archived "$JOB"
    check "$name: the job is printed once" printed_text_once "$QUEUE" "$REF"
    check "$name: the spooler keeps running" spooler_running
    eval "$3"
    after_repair "$name"
    check "$name: after the repair the spooler log is written again" \
        wait_until 30 file_contains "$SPOOL_LOG" "$JOB"
}

log_fault log-missing 'rm -rf "$LOGS"' 'mkdir -p "$LOGS"'
log_fault log-not-writable 'rm -f "$SPOOL_LOG"; mkdir -p "$SPOOL_LOG"' 'rmdir "$SPOOL_LOG"'
log_fault log-read-only 'chmod 555 "$LOGS"' 'chmod 755 "$LOGS"'

check "the spool folder holds nothing but what the faults left" spool_is_empty
spooler_stop
check "SIGTERM ends the spooler with exit status 0" eval '[[ $SPOOLER_STATUS -eq 0 ]]'
e2e_finish
