# Shared helpers of the end-to-end suites: a private temporary root, checks
# that say which expectation failed, waiting for a condition, and one clean-up
# trap that stops everything the suite started.
#
# A suite sources this file first, then calls e2e_init with the program path.

E2E_CHECKS=0
E2E_FAILURES=0
E2E_CLEANUPS=()

# e2e_init PROGRAM: checks the program, makes the temporary root and installs
# the clean-up trap.
e2e_init() {
    E2E_PROGRAM=${1:-}
    if [[ -z $E2E_PROGRAM || ! -x $E2E_PROGRAM ]]; then
        echo "FAILED - the program to test is not executable: '${E2E_PROGRAM}'" >&2
        exit 1
    fi
    E2E_PROGRAM=$(readlink -f "$E2E_PROGRAM")
    local tool
    for tool in cupsd lpadmin lpstat lp cupsenable cupsdisable cupsaccept cupsreject \
                pdfinfo pdftotext pdftoppm cmp; do
        if ! command -v "$tool" >/dev/null 2>&1 && [[ ! -x /usr/sbin/$tool ]]; then
            echo "FAILED - '$tool' is not installed (packages cups, cups-client, cups-bsd, poppler-utils)" >&2
            exit 1
        fi
    done
    PATH=$PATH:/usr/sbin
    # The root's name is digits only: the program lower-cases some paths, and
    # the scheduler's socket path must stay short.
    local base=${TMPDIR:-/tmp}
    ((${#base} > 40)) && base=/tmp
    E2E_ROOT=$base/vimo-e2e-$(date +%s)-$$
    mkdir -m 755 "$E2E_ROOT" || exit 1
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
    echo "# temporary root: $E2E_ROOT"
}

# e2e_on_exit COMMAND...: runs the command at clean-up, latest first.
e2e_on_exit() {
    E2E_CLEANUPS+=("$*")
}

e2e_cleanup() {
    local status=$?
    local i
    for ((i = ${#E2E_CLEANUPS[@]} - 1; i >= 0; i--)); do
        eval "${E2E_CLEANUPS[i]}" || true
    done
    if ((E2E_FAILURES > 0 || status != 0)) && [[ -z ${E2E_KEEP:-} ]]; then
        echo "# set E2E_KEEP=1 to keep $E2E_ROOT for inspection"
    fi
    if [[ -n ${E2E_KEEP:-} ]]; then
        echo "# kept $E2E_ROOT"
    else
        chmod -R u+w "$E2E_ROOT" 2>/dev/null
        rm -rf "$E2E_ROOT"
    fi
}

# check DESCRIPTION COMMAND...: one expectation; prints ok or FAILED.
check() {
    local description=$1
    shift
    E2E_CHECKS=$((E2E_CHECKS + 1))
    if "$@"; then
        echo "ok - $description"
    else
        echo "FAILED - $description"
        E2E_FAILURES=$((E2E_FAILURES + 1))
    fi
}

# wait_until LIMIT COMMAND...: polls the command until it succeeds or LIMIT
# seconds have passed. A deadline only, so that a broken program cannot hang
# the suite; nothing is concluded from how long it took.
wait_until() {
    local limit=$1
    shift
    local end=$((SECONDS + limit))
    while ((SECONDS < end)); do
        "$@" && return 0
        sleep 0.2
    done
    "$@"
}

# e2e_finish: the summary line and the suite's exit status.
e2e_finish() {
    echo "# $E2E_CHECKS checks, $E2E_FAILURES failed"
    ((E2E_FAILURES == 0))
}

# Small predicates for checks.
file_exists() { [[ -f $1 ]]; }
file_absent() { [[ ! -e $1 ]]; }
same_bytes() { cmp -s "$1" "$2"; }
file_contains() { grep -q -F -- "$2" "$1" 2>/dev/null; }
