# The program under test as an unattended spooler: its own APPDATA, working
# folder, spool, archive and log folders under $E2E_ROOT, and a solvanta.ini in
# the working folder that points the spooler at them.

# spooler_setup PRINTER SAVEJOBS [STOPONERROR]: folders and configuration.
spooler_setup() {
    export APPDATA=$E2E_ROOT/appdata
    export HOME=$E2E_ROOT/home
    unset XDG_DATA_HOME DISPLAY WAYLAND_DISPLAY
    WORK=$E2E_ROOT/work
    SPOOL=$E2E_ROOT/spool
    ARCHIVE=$E2E_ROOT/archive
    LOGS=$E2E_ROOT/logs
    TREE=$APPDATA/Solvanta
    SPOOL_LOG=$LOGS/vimoprn.log
    mkdir -p "$APPDATA" "$HOME" "$WORK" "$SPOOL" "$ARCHIVE" "$LOGS"
    {
        printf '%s\r\n' "[STANDARD]" "LogToFile=1" "" "[PRINTSERVER]" \
            "Spool_Printer=$1" "Spool_Queue=$SPOOL/" "Spool_Jobs=$ARCHIVE/" \
            "LogFiles=$LOGS/" "Spool_Timer=1" "SaveJobs=$2" "StopOnError=${3:-0}"
    } >"$WORK/solvanta.ini"
}

# spooler_start: runs the program headless in the background.
spooler_start() {
    SPOOLER_OUT=$E2E_ROOT/spooler.out
    (cd "$WORK" && exec "$E2E_PROGRAM" --headless) >>"$SPOOLER_OUT" 2>&1 &
    SPOOLER_PID=$!
    e2e_on_exit spooler_kill
    echo "# spooler $SPOOLER_PID started"
}

spooler_running() {
    [[ -n ${SPOOLER_PID:-} ]] && kill -0 "$SPOOLER_PID" 2>/dev/null
}

# spooler_stop: SIGTERM, then waits for the program's end. Leaves its exit
# status in SPOOLER_STATUS; 124 when it did not end.
spooler_stop() {
    SPOOLER_STATUS=124
    [[ -n ${SPOOLER_PID:-} ]] || return 0
    kill -TERM "$SPOOLER_PID" 2>/dev/null
    if wait_until 30 spooler_ended; then
        wait "$SPOOLER_PID" 2>/dev/null
        SPOOLER_STATUS=$?
        SPOOLER_PID=
        return 0
    fi
    return 1
}

spooler_ended() { ! kill -0 "$SPOOLER_PID" 2>/dev/null; }

# spooler_kill: the clean-up's last resort; shows the program's output when the
# suite failed.
spooler_kill() {
    if spooler_running; then
        kill -TERM "$SPOOLER_PID" 2>/dev/null
        wait_until 10 spooler_ended || kill -KILL "$SPOOLER_PID" 2>/dev/null
        wait "$SPOOLER_PID" 2>/dev/null
    fi
    if ((E2E_FAILURES > 0)); then
        echo "# --- last lines of the spooler log ---"
        tail -n 40 "$SPOOL_LOG" 2>/dev/null | sed 's/^/#   /'
        echo "# --- last lines of the program's output ---"
        tail -n 20 "$SPOOLER_OUT" 2>/dev/null | sed 's/^/#   /'
    fi
}

# drop_job SOURCE NAME: puts a job into the spool folder the way a design
# system's copy does: written beside it, then renamed in.
drop_job() {
    cp "$1" "$SPOOL/.$2.incoming" && mv "$SPOOL/.$2.incoming" "$SPOOL/$2"
}

# Number of lines in the spooler log that hold TEXT.
log_count() {
    grep -c -F -- "$1" "$SPOOL_LOG" 2>/dev/null || true
}

# log_has_after LINE TEXT: a line after line number LINE of the spooler log
# holds TEXT.
log_has_after() {
    tail -n +"$(($1 + 1))" "$SPOOL_LOG" 2>/dev/null | grep -q -F -- "$2"
}

log_lines() {
    if [[ -f $SPOOL_LOG ]]; then wc -l <"$SPOOL_LOG"; else echo 0; fi
}

# A job's cycle has ended once the spooler log says it is ready again after
# having found it.
cycle_done_after() {
    log_has_after "$1" "READY FOR NEW JOBS"
}

# spool_holds_only NAME...: the spool folder holds exactly these files.
spool_holds_only() {
    local want have
    want=$(printf '%s\n' "$@" | sort)
    have=$(cd "$SPOOL" && find . -mindepth 1 -maxdepth 1 -printf '%f\n' | sort)
    [[ $want == "$have" ]]
}

spool_is_empty() {
    [[ -z $(find "$SPOOL" -mindepth 1 -maxdepth 1 2>/dev/null) ]]
}

# log_names NAME...: the spooler log mentions every NAME.
log_names() {
    local name
    for name in "$@"; do
        file_contains "$SPOOL_LOG" "$name" || return 1
    done
}

# run_job FILE NAME: drops the job and waits until its cycle has ended, that
# is until the spool folder no longer holds it and the log says READY again.
run_job() {
    local start
    start=$(log_lines)
    drop_job "$1" "$2"
    wait_until 90 job_cycle_ended "$start" "$2"
}
job_cycle_ended() {
    [[ ! -e $SPOOL/$2 ]] && cycle_done_after "$1"
}

# archive_holds_only NAME...: the archive folder holds exactly these files.
archive_holds_only() {
    local want have
    want=$(printf '%s\n' "$@" | sed '/^$/d' | sort)
    have=$(cd "$ARCHIVE" && find . -mindepth 1 -maxdepth 1 -printf '%f\n' | sort)
    [[ $want == "$have" ]]
}

# found_again LINE NAME: the spooler has found the job NAME in two cycles
# after line LINE of its log, so the first of them ended with the job left in
# the spool folder.
found_again() {
    [[ $(tail -n +"$(($1 + 1))" "$SPOOL_LOG" 2>/dev/null | grep -c -F -- "Found $SPOOL/$2") -ge 2 ]]
}

# log_reports_failure_after LINE: a line after LINE says that something failed.
log_reports_failure_after() {
    tail -n +"$(($1 + 1))" "$SPOOL_LOG" 2>/dev/null | grep -q -i -E 'error|feil|fail'
}
