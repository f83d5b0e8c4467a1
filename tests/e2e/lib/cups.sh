# A private CUPS scheduler for the end-to-end suites: its own server root,
# request root, logs and programs under $E2E_ROOT/cups, reachable only through
# a socket in that folder. Queues are raw queues on a small backend of ours
# that keeps every job it receives, unchanged, as a file of its own, so a test
# can look at exactly what the program handed to the print system.

# cups_start: starts the scheduler and exports CUPS_SERVER.
cups_start() {
    CUPS_DIR=$E2E_ROOT/cups
    CUPS_OUT=$E2E_ROOT/printed
    mkdir -p "$CUPS_DIR"/{etc/ppd,spool/tmp,cache,state,log,bin/backend} "$CUPS_OUT"
    chmod 755 "$CUPS_DIR" "$CUPS_DIR/bin" "$CUPS_DIR/bin/backend"
    # Filters run as an unprivileged user when the scheduler runs as root.
    chmod 1777 "$CUPS_OUT"
    local d
    for d in filter daemon cgi-bin monitor notifier driver; do
        ln -s "/usr/lib/cups/$d" "$CUPS_DIR/bin/$d"
    done
    cups_write_backend "$CUPS_DIR/bin/backend/e2e"

    cat >"$CUPS_DIR/cups-files.conf" <<CONF
ServerRoot $CUPS_DIR/etc
RequestRoot $CUPS_DIR/spool
TempDir $CUPS_DIR/spool/tmp
CacheDir $CUPS_DIR/cache
StateDir $CUPS_DIR/state
ServerBin $CUPS_DIR/bin
DataDir /usr/share/cups
AccessLog $CUPS_DIR/log/access_log
ErrorLog $CUPS_DIR/log/error_log
PageLog $CUPS_DIR/log/page_log
SystemGroup $(id -gn)
CONF
    cat >"$CUPS_DIR/cupsd.conf" <<CONF
Listen $CUPS_DIR/cups.sock
LogLevel info
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    if ! cupsd -t -c "$CUPS_DIR/cupsd.conf" -s "$CUPS_DIR/cups-files.conf" >"$CUPS_DIR/log/check.out" 2>&1; then
        echo "FAILED - the private scheduler's configuration is refused:" >&2
        cat "$CUPS_DIR/log/check.out" >&2
        exit 1
    fi
    cupsd -f -c "$CUPS_DIR/cupsd.conf" -s "$CUPS_DIR/cups-files.conf" >"$CUPS_DIR/log/cupsd.out" 2>&1 &
    CUPS_PID=$!
    e2e_on_exit cups_stop
    export CUPS_SERVER=$CUPS_DIR/cups.sock
    if ! wait_until 30 cups_running; then
        echo "FAILED - the private scheduler did not start" >&2
        cat "$CUPS_DIR/log/cupsd.out" "$CUPS_DIR/log/error_log" >&2 2>/dev/null
        exit 1
    fi
    echo "# private scheduler $CUPS_PID on $CUPS_SERVER"
}

cups_running() {
    lpstat -r 2>/dev/null | grep -q "scheduler is running"
}

# cups_stop: stops the scheduler (also from the clean-up trap).
cups_stop() {
    [[ -n ${CUPS_PID:-} ]] || return 0
    if kill -0 "$CUPS_PID" 2>/dev/null; then
        kill -TERM "$CUPS_PID" 2>/dev/null
        local i
        for ((i = 0; i < 100; i++)); do
            kill -0 "$CUPS_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill -0 "$CUPS_PID" 2>/dev/null && kill -KILL "$CUPS_PID" 2>/dev/null
    fi
    wait "$CUPS_PID" 2>/dev/null
    echo "# private scheduler stopped"
    CUPS_PID=
}

# The backend: keeps job N as $CUPS_OUT/QUEUE/N.job with its title in N.title.
cups_write_backend() {
    cat >"$1" <<'BACKEND'
#!/bin/bash
# CUPS backend: job-id user title copies options [file]
if (($# == 0)); then
    echo 'direct e2e "Unknown" "Keeps each job as a file"'
    exit 0
fi
dir=${DEVICE_URI#e2e:}
umask 022
mkdir -p "$dir" || exit 1
if [[ -n ${6:-} ]]; then
    cp "$6" "$dir/$1.part" || exit 1
else
    cat >"$dir/$1.part" || exit 1
fi
printf '%s\n' "$3" >"$dir/$1.title"
mv "$dir/$1.part" "$dir/$1.job"
exit 0
BACKEND
    # Owned by the scheduler's user and private, so it runs with its rights.
    chmod 700 "$1"
}

# cups_add_queue NAME: an enabled raw queue that accepts jobs.
cups_add_queue() {
    mkdir -p "$CUPS_OUT/$1"
    chmod 1777 "$CUPS_OUT/$1"
    if ! lpadmin -p "$1" -v "e2e:$CUPS_OUT/$1" -m raw -E >/dev/null 2>&1; then
        echo "FAILED - could not create the queue $1" >&2
        exit 1
    fi
    cupsaccept "$1" && cupsenable "$1"
}

# printed_jobs QUEUE: the job files the queue's device received, oldest first.
printed_jobs() {
    local f
    for f in "$CUPS_OUT/$1"/*.job; do
        [[ -f $f ]] && echo "$f"
    done | sort -V
}

printed_count() {
    printed_jobs "$1" | wc -l
}

# printed_holding QUEUE TEXT: the received PDF pages whose text holds TEXT.
printed_holding() {
    local f
    printed_jobs "$1" | while read -r f; do
        if pdftotext "$f" - 2>/dev/null | grep -q -F -- "$2"; then
            echo "$f"
        fi
    done
}

# printed_same QUEUE FILE: the received jobs that are byte for byte FILE.
printed_same() {
    local f
    printed_jobs "$1" | while read -r f; do
        cmp -s "$f" "$2" && echo "$f"
    done
}

# Counts of the above, for checks and waits.
count_holding() { printed_holding "$1" "$2" | wc -l; }
count_same() { printed_same "$1" "$2" | wc -l; }
printed_text_once() { [[ $(count_holding "$1" "$2") -eq 1 ]]; }
printed_file_once() { [[ $(count_same "$1" "$2") -eq 1 ]]; }
has_printed_text() { [[ $(count_holding "$1" "$2") -ge 1 ]]; }
has_printed_file() { [[ $(count_same "$1" "$2") -ge 1 ]]; }

# job_title JOBFILE: the title the job was submitted with.
job_title() {
    cat "${1%.job}.title" 2>/dev/null
}

# queue_has_no_active_jobs QUEUE
queue_has_no_active_jobs() {
    [[ -z $(lpstat -W not-completed -o "$1" 2>/dev/null) ]]
}
